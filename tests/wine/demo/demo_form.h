#pragma once

#include <memory>

#include "platform/platform.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace slumbrix::demo {

class DemoAbout;

// A small window built from the control model with every kind of control the program uses,
// to exercise the native window system from outside: frames and a picture box as
// containers, lists, a spin pair with a key filter, drawings, a clock timer, the File menu, a
// pop-up menu opened from the tray callback, a modal window and a message box.
class DemoForm : public Form {
 public:
  DemoForm(WindowSystem& windowSystem, Platform& platform);
  ~DemoForm() override;

  // Shows the window, or the "already running" message and ends.
  void start();

  Frame& frame = add<Frame>(nullptr, "frame");
  Label& lbl0 = add<Label>(&frame, "lbl", 0);
  ComboBox& cmbAction = add<ComboBox>(&frame, "cmbAction");
  PictureBox& pic = add<PictureBox>(&frame, "pic");
  OptionButton& opt0 = add<OptionButton>(&pic, "opt", 0);
  TextBox& txtPeriod = add<TextBox>(&pic, "txtPeriod");
  VScrollBar& vsPeriod = add<VScrollBar>(&pic, "vsPeriod");
  ComboBox& cmbUnit = add<ComboBox>(&pic, "cmbUnit");
  OptionButton& opt1 = add<OptionButton>(&pic, "opt", 1);
  CheckBox& chkBlink = add<CheckBox>(&frame, "chkBlink");
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
  CommandButton& cmdMessage = add<CommandButton>(nullptr, "cmdMessage");
  Timer& thetime = add<Timer>(nullptr, "thetime");
  Menu& menuDatei = add<Menu>(nullptr, "menuDatei");
  Menu& ueber = add<Menu>(&menuDatei, "ueber");
  Menu& beendn = add<Menu>(&menuDatei, "beendn");
  Menu& mnuPopup = add<Menu>(nullptr, "mnuPopup");
  Menu& menuwieder = add<Menu>(&mnuPopup, "menuwieder");
  Menu& mnuExit = add<Menu>(&mnuPopup, "mnuExit");

 private:
  void layout();
  void layoutOptions();
  void layoutMeter();
  void connect();
  void draw();
  void exitProgram();
  bool isWindows2000OrXp();

  Platform& platform_;
  std::unique_ptr<DemoAbout> about_;
  bool exiting_ = false;
};

// The modal window of the demo.
class DemoAbout : public Form {
 public:
  explicit DemoAbout(WindowSystem& windowSystem);
  Label& labelCaption = add<Label>(nullptr, "labelCaption");
  TextBox& txtNotice = add<TextBox>(nullptr, "txtNotice");
  PictureBox& Picture1 = add<PictureBox>(nullptr, "Picture1");
  CommandButton& Command1 = add<CommandButton>(nullptr, "Command1");
};

}  // namespace slumbrix::demo
