#pragma once

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

// A window made like the program's main window, with handlers of its own that record what
// reached them: an hour field with its spin button (digits only, kept within 1 to 12), two
// option buttons that switch the field on and off, a list, a check box, a button, a status
// label, a graph, a timer and a menu bar with a hidden pop-up menu.
class DemoForm : public Form {
 public:
  explicit DemoForm(WindowSystem& windowSystem);

  Frame& frame = add<Frame>(nullptr, "frame");
  Label& lblAction = add<Label>(&frame, "lbl", 0);
  ComboBox& cmbAction = add<ComboBox>(&frame, "cmbAction");
  PictureBox& pic = add<PictureBox>(&frame, "pic");
  OptionButton& optIn = add<OptionButton>(&pic, "opt", 0);
  TextBox& txtPeriod = add<TextBox>(&pic, "txtPeriod");
  VScrollBar& vsPeriod = add<VScrollBar>(&pic, "vsPeriod");
  ComboBox& cmbUnit = add<ComboBox>(&pic, "cmbUnit");
  OptionButton& optAt = add<OptionButton>(&pic, "opt", 1);
  TextBox& txtHour = add<TextBox>(&pic, "txtHour");
  VScrollBar& vsHour = add<VScrollBar>(&pic, "vsHour");
  TextBox& txtMin = add<TextBox>(&pic, "txtMin");
  VScrollBar& vsMin = add<VScrollBar>(&pic, "vsMin");
  ComboBox& cmbT = add<ComboBox>(&pic, "cmbT");
  OptionButton& Option1 = add<OptionButton>(&pic, "Option1");
  TextBox& txtAuslastung = add<TextBox>(&pic, "txtAuslastung");
  VScrollBar& vsAuslastung = add<VScrollBar>(&pic, "vsAuslastung");
  Label& Label1 = add<Label>(&pic, "Label1");
  CheckBox& chkBlink = add<CheckBox>(&frame, "chkBlink");
  TextBox& txtBlink = add<TextBox>(&frame, "txtBlink");
  VScrollBar& vsBlink = add<VScrollBar>(&frame, "vsBlink");
  Label& lblSeconds = add<Label>(&frame, "lbl", 1);
  Frame& Frame2 = add<Frame>(nullptr, "Frame2");
  PictureBox& picUsage = add<PictureBox>(&Frame2, "picUsage");
  Label& lblCpuUsage = add<Label>(&picUsage, "lblCpuUsage");
  PictureBox& picGraph = add<PictureBox>(&Frame2, "picGraph");
  Frame& fraTime = add<Frame>(nullptr, "fraTime");
  Label& lbltime = add<Label>(&fraTime, "lbltime");
  Frame& Frame1 = add<Frame>(nullptr, "Frame1");
  Label& lblStatus = add<Label>(&Frame1, "lblStatus");
  CommandButton& cmdTimer = add<CommandButton>(nullptr, "cmdTimer");
  CommandButton& Command1 = add<CommandButton>(nullptr, "Command1");
  Timer& tmrRefresh = add<Timer>(&Frame2, "tmrRefresh");
  Menu& menuDatei = add<Menu>(nullptr, "menuDatei");
  Menu& ueber = add<Menu>(&menuDatei, "ueber");
  Menu& beendn = add<Menu>(&menuDatei, "beendn");
  Menu& mnuPopup = add<Menu>(nullptr, "mnuPopup");
  Menu& menuwieder = add<Menu>(&mnuPopup, "menuwieder");

  // What reached the handlers, in order: "cmdTimer", "opt 1", "key 27", "unload", ...
  std::vector<std::string> events;
  int ticks = 0;
  bool cancelUnload = true;

 private:
  void layout();
  void connect();
};

// A small modal dialog like the About window.
class DemoDialog : public Form {
 public:
  explicit DemoDialog(WindowSystem& windowSystem);

  Label& labelCaption = add<Label>(nullptr, "labelCaption");
  TextBox& txtNotice = add<TextBox>(nullptr, "txtNotice");
  PictureBox& Picture1 = add<PictureBox>(nullptr, "Picture1");
  CommandButton& Command1 = add<CommandButton>(nullptr, "Command1");
  int logoClicks = 0;
};

}  // namespace slumbrix::test
