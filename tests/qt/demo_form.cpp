#include "demo_form.h"

#include <cstdlib>

namespace slumbrix::test {
namespace {

void place(Control& control, int left, int top, int width, int height, int tab) {
  control.setBounds(Rect{left, top, width, height});
  control.tabIndex = tab;
}

const Font kFrameFont{"MS Sans Serif", 8.25, true};
const Color kGrey = Color::fromRgb(0xE0E0E0);

}  // namespace

DemoForm::DemoForm(WindowSystem& windowSystem) : Form("frmDemo", windowSystem) {
  layout();
  connect();
}

void DemoForm::layout() {
  setCaption("Slumbrix");
  clientWidth = 5190;
  clientHeight = 6315;
  showInTaskbar = false;
  icon = "slumbrix";
  place(frame, 120, 120, 4935, 2715, 1);
  frame.setCaption("Options");
  frame.font = kFrameFont;
  place(lblAction, 120, 480, 495, 195, 14);
  lblAction.setCaption("Action:");
  lblAction.autoSize = true;
  place(cmbAction, 720, 420, 3420, 315, 12);
  for (const char* item : {"Shutdown", "Reboot", "Log OFF", "Standby", "Start Screensaver"})
    cmbAction.addItem(item);
  cmbAction.setListIndex(0);
  place(pic, 120, 840, 4275, 1275, 2);
  place(optIn, 30, 60, 1245, 195, 5);
  optIn.setCaption("Activate in:");
  optIn.setValue(true);
  place(txtPeriod, 1440, 0, 495, 315, 3);
  txtPeriod.setText("1");
  txtPeriod.setMaxLength(3);
  place(vsPeriod, 2040, 0, 165, 315, 7);
  vsPeriod.setRange(999, 1);
  vsPeriod.setValue(1);
  place(cmbUnit, 2400, 0, 1635, 315, 4);
  for (const char* item : {"Hours", "Minutes", "Seconds"}) cmbUnit.addItem(item);
  cmbUnit.setListIndex(0);
  place(optAt, 30, 540, 1395, 195, 6);
  optAt.setCaption("Activate at:");
  place(txtHour, 1440, 480, 495, 315, 16);
  txtHour.setText("1");
  txtHour.setMaxLength(2);
  txtHour.setEnabled(false);
  place(vsHour, 2040, 480, 165, 315, 15);
  vsHour.setRange(12, 1);
  vsHour.setValue(1);
  vsHour.setEnabled(false);
  place(txtMin, 2280, 480, 495, 315, 18);
  txtMin.setText("00");
  txtMin.setEnabled(false);
  place(vsMin, 2880, 480, 165, 315, 17);
  vsMin.setEnabled(false);
  place(cmbT, 3240, 480, 790, 315, 19);
  cmbT.addItem("AM", 0);
  cmbT.addItem("PM", 1);
  cmbT.setListIndex(0);
  cmbT.setEnabled(false);
  place(Option1, 30, 960, 3135, 195, 29);
  Option1.setCaption("Activate if the CPU-Usage is less than");
  place(txtAuslastung, 3120, 920, 495, 315, 30);
  txtAuslastung.setText("1");
  txtAuslastung.setLocked(true);
  txtAuslastung.setEnabled(false);
  place(vsAuslastung, 3600, 920, 165, 315, 31);
  vsAuslastung.setEnabled(false);
  place(Label1, 3840, 960, 375, 255, 32);
  Label1.setCaption("%");
  place(txtBlink, 2280, 2160, 495, 315, 10);
  txtBlink.setText("30");
  place(vsBlink, 2880, 2160, 165, 315, 9);
  place(lblSeconds, 3120, 2220, 1695, 195, 13);
  lblSeconds.setCaption("sec. before action starts");
  lblSeconds.autoSize = true;
  place(chkBlink, 240, 2220, 1935, 255, 11);
  chkBlink.setCaption("Flash the Tray-Icon at");
  chkBlink.setValue(1);
  place(Frame2, 120, 2880, 4935, 1695, 25);
  Frame2.setCaption("CPU-Usage");
  Frame2.font = kFrameFont;
  place(picUsage, 120, 480, 990, 975, 27);
  picUsage.backColor = kGrey;
  picUsage.borderStyle = BorderStyle::Fixed3D;
  place(lblCpuUsage, 0, 600, 930, 255, 28);
  lblCpuUsage.setCaption("0");
  lblCpuUsage.foreColor = Color::fromRgb(0xC00000);
  lblCpuUsage.alignment = Alignment::Center;
  lblCpuUsage.font = Font{"System", 9.75, true};
  place(picGraph, 1200, 480, 3615, 975, 26);
  picGraph.backColor = kGrey;
  picGraph.borderStyle = BorderStyle::Fixed3D;
  picGraph.setUserScale(0, 0, 100, 100);
  place(fraTime, 120, 4680, 4935, 555, 20);
  fraTime.setCaption("Time:");
  fraTime.font = kFrameFont;
  place(lbltime, 1560, 180, 1665, 315, 21);
  lbltime.setCaption("10:00:00 AM");
  lbltime.backColor = Color::fromRgb(0xFFFFFF);
  lbltime.alignment = Alignment::Center;
  lbltime.font = Font{"Arial", 12, false};
  place(Frame1, 120, 5280, 4935, 555, 23);
  Frame1.setCaption("Status:");
  Frame1.font = kFrameFont;
  place(lblStatus, 360, 200, 4290, 315, 24);
  lblStatus.setCaption("Timer Deactivated");
  lblStatus.backColor = Color::fromRgb(0xFFFFFF);
  lblStatus.alignment = Alignment::Center;
  lblStatus.font = Font{"Arial", 12, false};
  place(cmdTimer, 840, 5880, 1575, 375, 0);
  cmdTimer.setCaption("Activate Timer");
  place(Command1, 2520, 5880, 1575, 375, 22);
  Command1.setCaption("Tray");
  tmrRefresh.setInterval(10);
  tmrRefresh.setEnabled(false);
  menuDatei.setCaption("File");
  ueber.setCaption("About Slumbrix");
  beendn.setCaption("Exit Slumbrix");
  mnuPopup.setCaption("Popup");
  mnuPopup.setVisible(false);
  menuwieder.setCaption("Restore");
}

void DemoForm::connect() {
  txtHour.KeyPress = [](std::int16_t& key) {
    if (key < '0' || key > '9') key = 0;
  };
  txtHour.Change = [this] {
    const int value = std::atoi(txtHour.Text().c_str());
    if (value > vsHour.Min()) txtHour.setText(std::to_string(vsHour.Min()));
    if (std::atoi(txtHour.Text().c_str()) < vsHour.Max())
      txtHour.setText(std::to_string(vsHour.Max()));
    vsHour.setValue(static_cast<std::int16_t>(std::atoi(txtHour.Text().c_str())));
  };
  vsHour.Change = [this] { txtHour.setText(std::to_string(vsHour.Value())); };
  vsPeriod.Change = [this] { txtPeriod.setText(std::to_string(vsPeriod.Value())); };
  optIn.Click = [this] {
    events.push_back("opt 0");
    txtHour.setEnabled(false);
    vsHour.setEnabled(false);
  };
  optAt.Click = [this] {
    events.push_back("opt 1");
    txtHour.setEnabled(true);
    vsHour.setEnabled(true);
  };
  chkBlink.Click = [this] { events.push_back("chkBlink " + std::to_string(chkBlink.Value())); };
  cmbUnit.Click = [this] { events.push_back("cmbUnit " + cmbUnit.Text()); };
  cmdTimer.Click = [this] {
    events.push_back("cmdTimer");
    lblStatus.setCaption("Timer Activated");
  };
  tmrRefresh.Tick = [this] { ++ticks; };
  ueber.Click = [this] { events.push_back("ueber"); };
  menuwieder.Click = [this] { events.push_back("menuwieder"); };
  KeyPress = [this](std::int16_t& key) { events.push_back("key " + std::to_string(key)); };
  Unload = [this](std::int16_t& cancel) {
    events.push_back("unload");
    if (!cancelUnload) return;
    cancel = 1;
    hide();
  };
  MouseMove = [this](int, int, double x, double) {
    events.push_back("mouse " + std::to_string(static_cast<int>(x)));
  };
}

DemoDialog::DemoDialog(WindowSystem& windowSystem) : Form("frmDialog", windowSystem) {
  setCaption("About Slumbrix");
  clientWidth = 5040;
  clientHeight = 3810;
  backColor = Color::fromRgb(0xFFFFFF);
  showInTaskbar = false;
  icon = "about";
  place(labelCaption, 240, 120, 2190, 360, 3);
  labelCaption.setCaption("Slumbrix");
  labelCaption.autoSize = true;
  labelCaption.foreColor = Color::fromRgb(0x000080);
  labelCaption.backColor = Color::fromRgb(0xFFFFFF);
  labelCaption.font = Font{"Arial", 15.75, false};
  place(txtNotice, 240, 600, 4575, 2415, 2);
  txtNotice.multiLine = true;
  txtNotice.verticalScrollBar = true;
  txtNotice.setLocked(true);
  std::string notice;
  for (int i = 1; i <= 30; ++i) notice += "Line " + std::to_string(i) + " of the notice.\r\n";
  txtNotice.setText(notice);
  place(Picture1, 2640, 3120, 1770, 510, 0);
  Picture1.picture = "logo";
  Picture1.Click = [this] { ++logoClicks; };
  place(Command1, 600, 3240, 1455, 375, 1);
  Command1.setCaption("Close");
  Command1.Click = [this] { unload(); };
}

}  // namespace slumbrix::test
