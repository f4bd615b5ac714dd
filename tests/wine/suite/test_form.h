#pragma once

// A form with one control of each kind, in containers, for the window system tests; every
// event a test can cause is counted.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace slumbrix::wine {

class TestForm : public Form {
 public:
  explicit TestForm(WindowSystem& windowSystem);

  Frame& frame = add<Frame>(nullptr, "frame");
  Label& label = add<Label>(&frame, "label");
  TextBox& txt = add<TextBox>(&frame, "txt");
  PictureBox& pic = add<PictureBox>(&frame, "pic");
  OptionButton& opt0 = add<OptionButton>(&pic, "opt", 0);
  OptionButton& opt1 = add<OptionButton>(&pic, "opt", 1);
  VScrollBar& vs = add<VScrollBar>(&pic, "vs");
  ComboBox& cmb = add<ComboBox>(&pic, "cmb");
  CheckBox& chk = add<CheckBox>(nullptr, "chk");
  CommandButton& cmd = add<CommandButton>(nullptr, "cmd");
  PictureBox& canvas = add<PictureBox>(nullptr, "canvas");
  Timer& tmrOn = add<Timer>(nullptr, "tmrOn");
  Timer& tmrOff = add<Timer>(nullptr, "tmrOff");
  Menu& mnuFile = add<Menu>(nullptr, "mnuFile");
  Menu& mnuOpen = add<Menu>(&mnuFile, "mnuOpen");
  Menu& mnuPopup = add<Menu>(nullptr, "mnuPopup");
  Menu& mnuRestore = add<Menu>(&mnuPopup, "mnuRestore");

  // What the handlers saw, in order ("txt.KeyPress 53", "cmd.Click", ...).
  std::vector<std::string> events;
  bool cancelUnload = true;
  double mouseX = -1;
  double mouseY = -1;
  int mouseButton = -1;
};

// A second, small form for modal windows.
class SmallForm : public Form {
 public:
  explicit SmallForm(WindowSystem& windowSystem);
  CommandButton& Close = add<CommandButton>(nullptr, "Close");
};

}  // namespace slumbrix::wine
