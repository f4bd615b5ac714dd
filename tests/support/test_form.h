#pragma once

// A form with one control of each kind, in containers, with menus and timers: the one form
// the window system tests of every window system and the control model's tests share. Every
// event a test can cause is logged, and every timer's ticks are counted.

#include <cstdint>
#include <map>
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

namespace slumbrix::test {

class TestForm : public Form {
 public:
  explicit TestForm(WindowSystem& windowSystem);

  Frame& frame = add<Frame>(nullptr, "frame");
  Label& label = add<Label>(&frame, "label");
  TextBox& txt = add<TextBox>(&frame, "txt");
  PictureBox& pic = add<PictureBox>(&frame, "pic");
  OptionButton& opt0 = add<OptionButton>(&pic, "opt", 0);
  OptionButton& opt1 = add<OptionButton>(&pic, "opt", 1);
  OptionButton& Option1 = add<OptionButton>(&pic, "Option1");
  VScrollBar& vs = add<VScrollBar>(&pic, "vs");
  ComboBox& cmb = add<ComboBox>(&pic, "cmb");
  // A second group of option buttons, none chosen: the ones directly in the frame.
  OptionButton& optA = add<OptionButton>(&frame, "optA");
  OptionButton& optB = add<OptionButton>(&frame, "optB");
  CheckBox& chk = add<CheckBox>(nullptr, "chk");
  CommandButton& cmd = add<CommandButton>(nullptr, "cmd");
  PictureBox& canvas = add<PictureBox>(nullptr, "canvas");
  // Disabled at first, 20 ms each: a precise one, a coarse one and one without an interval.
  Timer& tmrPrecise = add<Timer>(nullptr, "tmrPrecise");
  Timer& tmrCoarse = add<Timer>(nullptr, "tmrCoarse");
  Timer& tmrZero = add<Timer>(nullptr, "tmrZero");
  Menu& mnuFile = add<Menu>(nullptr, "mnuFile");
  Menu& mnuOpen = add<Menu>(&mnuFile, "mnuOpen");
  // Off the menu bar: a pop-up menu.
  Menu& mnuPopup = add<Menu>(nullptr, "mnuPopup");
  Menu& mnuRestore = add<Menu>(&mnuPopup, "mnuRestore");
  Menu& mnuLine = add<Menu>(&mnuPopup, "mnuLine");
  Menu& mnuHidden = add<Menu>(&mnuPopup, "mnuHidden");
  Menu& mnuQuit = add<Menu>(&mnuPopup, "mnuQuit");

  // What the handlers saw, in order ("txt.KeyPress 53", "cmd.Click", ...); timer ticks are
  // counted in `ticks` instead, by timer name.
  std::vector<std::string> events;
  std::map<std::string, int> ticks;
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

}  // namespace slumbrix::test
