#include "demo/demo_form.h"

#include <cmath>
#include <cstdio>

namespace slumbrix::demo {

namespace {

constexpr char kTitle[] = "Slumbrix Demo";
const Font kFrameFont{"MS Sans Serif", 8.25, true};
const Font kClockFont{"Arial", 12, false};

void place(Control& c, int left, int top, int width, int height, int tab) {
  c.setBounds(Rect{left, top, width, height});
  c.tabIndex = tab;
}

std::string twoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace

DemoAbout::DemoAbout(WindowSystem& windowSystem) : Form("DemoAbout", windowSystem) {
  setCaption("About Slumbrix Demo");
  clientWidth = 5040;
  clientHeight = 3810;
  showInTaskbar = false;
  icon = "about";
  backColor = Color::fromRgb(0xFFFFFF);
  place(labelCaption, 240, 120, 2190, 360, 3);
  labelCaption.setCaption("Slumbrix Demo");
  labelCaption.font = Font{"Arial", 15.75, false};
  labelCaption.foreColor = Color::fromRgb(0x000080);
  labelCaption.autoSize = true;
  place(txtNotice, 240, 600, 4575, 2415, 2);
  txtNotice.multiLine = true;
  txtNotice.verticalScrollBar = true;
  txtNotice.setLocked(true);
  std::string notice;
  for (int i = 1; i <= 20; ++i) notice += "Line " + std::to_string(i) + " of the notice.\r\n";
  txtNotice.setText(notice);
  place(Picture1, 2640, 3120, 1770, 510, 0);
  Picture1.picture = "LOGO";
  Picture1.autoSize = true;
  place(Command1, 600, 3240, 1455, 375, 1);
  Command1.setCaption("Close");
  Command1.Click = [this] { unload(); };
}

DemoForm::DemoForm(WindowSystem& windowSystem, Platform& platform)
    : Form("DemoForm", windowSystem), platform_(platform) {
  layout();
  connect();
}

DemoForm::~DemoForm() = default;

void DemoForm::layout() {
  setCaption(kTitle);
  clientWidth = 5190;
  clientHeight = 6315;
  showInTaskbar = false;
  layoutOptions();
  layoutMeter();
  place(fraTime, 120, 4680, 4935, 555, 20);
  fraTime.setCaption("Time:");
  fraTime.font = kFrameFont;
  place(lbltime, 1560, 180, 1665, 315, 21);
  lbltime.backColor = Color::fromRgb(0xFFFFFF);
  lbltime.alignment = Alignment::Center;
  lbltime.font = kClockFont;
  place(Frame1, 120, 5280, 4935, 555, 23);
  Frame1.setCaption("Status:");
  Frame1.font = kFrameFont;
  place(lblStatus, 360, 200, 4290, 315, 24);
  lblStatus.setCaption("Timer Deactivated");
  lblStatus.backColor = Color::fromRgb(0xFFFFFF);
  lblStatus.alignment = Alignment::Center;
  lblStatus.font = kClockFont;
  place(cmdTimer, 840, 5880, 1575, 375, 0);
  cmdTimer.setCaption("Activate Timer");
  place(Command1, 2520, 5880, 1575, 375, 22);
  Command1.setCaption("Tray");
  place(cmdMessage, 4200, 5880, 855, 375, 33);
  cmdMessage.setCaption("Hello");
  thetime.setInterval(500);
  menuDatei.setCaption("File");
  ueber.setCaption("About Slumbrix Demo");
  beendn.setCaption("Exit Slumbrix Demo");
  mnuPopup.setCaption("Popup");
  mnuPopup.setVisible(false);
  menuwieder.setCaption("Restore");
  mnuExit.setCaption("Exit Slumbrix Demo");
}

void DemoForm::layoutOptions() {
  place(frame, 120, 120, 4935, 2715, 1);
  frame.setCaption("Options");
  frame.font = kFrameFont;
  place(lbl0, 120, 480, 495, 195, 14);
  lbl0.setCaption("Action:");
  lbl0.autoSize = true;
  place(cmbAction, 720, 420, 3420, 315, 12);
  for (const char* item : {"Shutdown", "Reboot", "Log OFF", "Standby", "Start Screensaver"})
    cmbAction.addItem(item);
  place(pic, 120, 840, 4275, 1275, 2);
  place(opt0, 30, 60, 1245, 195, 5);
  opt0.setCaption("Activate in:");
  opt0.setValue(true);
  place(txtPeriod, 1440, 0, 495, 315, 3);
  txtPeriod.setText("1");
  txtPeriod.setMaxLength(3);
  place(vsPeriod, 2040, 0, 165, 315, 7);
  vsPeriod.setRange(999, 1);
  vsPeriod.setValue(1);
  place(cmbUnit, 2400, 0, 1635, 315, 4);
  for (const char* item : {"Hours", "Minutes", "Seconds"}) cmbUnit.addItem(item);
  place(opt1, 30, 540, 1395, 195, 6);
  opt1.setCaption("Activate at:");
  place(chkBlink, 240, 2220, 1935, 255, 11);
  chkBlink.setCaption("Flash the Tray-Icon");
  chkBlink.setValue(1);
}

void DemoForm::layoutMeter() {
  place(Frame2, 120, 2880, 4935, 1695, 25);
  Frame2.setCaption("CPU-Usage");
  Frame2.font = kFrameFont;
  place(picUsage, 120, 480, 990, 975, 27);
  picUsage.backColor = Color::fromRgb(0xE0E0E0);
  picUsage.borderStyle = BorderStyle::Fixed3D;
  place(lblCpuUsage, 0, 600, 930, 255, 28);
  lblCpuUsage.setCaption("0");
  lblCpuUsage.foreColor = Color::fromRgb(0xC00000);
  lblCpuUsage.alignment = Alignment::Center;
  lblCpuUsage.font = Font{"System", 9.75, true};
  place(picGraph, 1200, 480, 3615, 975, 26);
  picGraph.backColor = Color::fromRgb(0xE0E0E0);
  picGraph.borderStyle = BorderStyle::Fixed3D;
  picGraph.setUserScale(0, 0, 100, 100);
}

void DemoForm::connect() {
  txtPeriod.KeyPress = [](std::int16_t& key) {
    if ((key < '0' || key > '9') && key != TextBox::kBackspace) key = 0;
  };
  txtPeriod.Change = [this] {
    const int value = txtPeriod.Text().empty() ? 1 : std::stoi(txtPeriod.Text());
    vsPeriod.setValue(static_cast<std::int16_t>(value));
  };
  vsPeriod.Change = [this] { txtPeriod.setText(std::to_string(vsPeriod.Value())); };
  cmdTimer.Click = [this] {
    lblStatus.setCaption("Armed: " + cmbAction.Text() + " in " + txtPeriod.Text() + " " +
                         cmbUnit.Text());
    frame.setEnabled(false);
    if (cmbAction.Text() == "Lock Computer") platform_.LockWorkStation();
  };
  Command1.Click = [this] { hide(); };
  cmdMessage.Click = [this] { windowSystem().messageBox("Hello from the demo", 64, kTitle); };
  thetime.Tick = [this] {
    const LocalTime t = platform_.Now();
    lbltime.setCaption(twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second));
  };
  ueber.Click = [this] {
    about_ = std::make_unique<DemoAbout>(windowSystem());
    about_->showModal(*this);
  };
  beendn.Click = [this] { exitProgram(); };
  mnuExit.Click = [this] { exitProgram(); };
  menuwieder.Click = [this] { show(); };
  Unload = [this](std::int16_t& cancel) {
    if (exiting_) {
      windowSystem().endProgram();
      return;
    }
    cancel = 1;
    hide();
  };
  // The tray icon's callback: the mouse message arrives as x, in twips.
  MouseMove = [this](int, int, double x, double) {
    const auto message = std::lround(x / windowSystem().twipsPerPixelX());
    if (message == 515) {
      if (about_ != nullptr && about_->isShown()) about_->unload();
      show();
    } else if (message == 517) {
      platform_.SetForegroundWindow(windowSystem().windowHandle(*this));
      windowSystem().popupMenu(*this, mnuPopup);
    }
  };
}

bool DemoForm::isWindows2000OrXp() {
  std::uint8_t info[148] = {148};
  platform_.GetVersionExA(info);
  return info[16] == 2 && info[4] == 5 && info[8] <= 1;
}

void DemoForm::draw() {
  for (int i = 0; i <= 10; ++i) {
    const Color color = i >= 6 ? Color::fromRgb(0xC00000) : Color::fromRgb(0x808080);
    picUsage.FilledBox(5, 3 * i + 5, 55, 3 * i + 6, color);
  }
  picGraph.Cls();
  for (int k = 0; k < 99; ++k) {
    picGraph.Line(k, 50 - 40 * std::sin(k / 8.0), k + 1, 50 - 40 * std::sin((k + 1) / 8.0),
                  Color::fromRgb(0xC00000));
  }
  lblCpuUsage.setCaption("42");
}

void DemoForm::start() {
  if (platform_.PrevInstance()) {
    windowSystem().messageBox(std::string(kTitle) + " is already running", 64, kTitle);
    windowSystem().endProgram();
    return;
  }
  load();
  if (isWindows2000OrXp()) cmbAction.addItem("Lock Computer");
  cmbAction.setText("Shutdown");
  cmbUnit.setText("Hours");
  thetime.setEnabled(true);
  draw();
  show();
}

void DemoForm::exitProgram() {
  exiting_ = true;
  unload();
}

}  // namespace slumbrix::demo
