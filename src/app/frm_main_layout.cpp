// The main window's design-time values: every control in its container with its caption or
// text, position and size in twips, tab index, initial state, fonts, colours and lists.
#include "app/frm_main.h"

namespace slumbrix {
namespace {

const Font kDefaultFont{"MS Sans Serif", 8.25, false};
const Font kFrameFont{"MS Sans Serif", 8.25, true};
const Font kLineFont{"Arial", 12, false};
constexpr Color kWhite = Color::fromRgb(0xFFFFFF);
constexpr Color kMeterBack = Color::fromRgb(0xE0E0E0);

void place(Control& c, int left, int top, int width, int height, int tabIndex) {
  c.setBounds(Rect{left, top, width, height});
  c.tabIndex = tabIndex;
  if (c.font.name.empty()) c.font = kDefaultFont;
}

void spinPair(TextBox& text, VScrollBar& spin, const char* initial, int maxLength,
              std::int16_t upper, std::int16_t lower, std::int16_t value) {
  text.setText(initial);
  text.setMaxLength(maxLength);
  spin.setRange(upper, lower);
  spin.setValue(value);
  spin.SmallChange = 1;
  spin.LargeChange = 1;
  // The arrows are reached from the keyboard through their field (Up and Down), so they are
  // no stop of their own in the tab order.
  spin.tabStop = false;
  text.spinButton = &spin;
}

}  // namespace

void frmMain::layout() {
  setCaption("Slumbrix");
  clientWidth = 5190;
  clientHeight = 6315;
  fixedDialog = true;
  showInTaskbar = false;
  trayMenu = &mnuPopup;
  startCentered = true;
  icon = "slumbrix";
  font = kDefaultFont;

  frame.setCaption("Options");
  frame.font = kFrameFont;
  place(frame, 120, 120, 4935, 2715, 1);
  lbl0.setCaption("Action:");
  lbl0.autoSize = true;
  place(lbl0, 120, 480, 495, 195, 14);
  for (const char* item : {"Shutdown", "Reboot", "Log OFF", "Standby", "Start Screensaver"})
    cmbAction.addItem(item);
  place(cmbAction, 720, 420, 3420, 315, 12);
  chkForce.setCaption("Prozesse beenden");
  chkForce.setValue(1);
  chkForce.setVisible(false);
  place(chkForce, 1560, 120, 2355, 255, 8);
  pic.borderStyle = BorderStyle::None;
  place(pic, 120, 840, 4275, 1275, 2);

  opt0.setCaption("Activate in:");
  opt0.setValue(true);
  place(opt0, 30, 60, 1245, 195, 5);
  spinPair(txtPeriod, vsPeriod, "1", 3, 999, 1, 1);
  place(txtPeriod, 1440, 0, 495, 315, 3);
  place(vsPeriod, 2040, 0, 165, 315, 7);
  for (const char* item : {"Hours", "Minutes", "Seconds"}) cmbUnit.addItem(item);
  place(cmbUnit, 2400, 0, 1635, 315, 4);

  opt1.setCaption("Activate at:");
  place(opt1, 30, 540, 1395, 195, 6);
  spinPair(txtHour, vsHour, "1", 2, 12, 1, 1);
  place(txtHour, 1440, 480, 495, 315, 16);
  place(vsHour, 2040, 480, 165, 315, 15);
  spinPair(txtMin, vsMin, "00", 2, 59, 0, 0);
  place(txtMin, 2280, 480, 495, 315, 18);
  place(vsMin, 2880, 480, 165, 315, 17);
  cmbT.addItem("AM", 0);
  cmbT.addItem("PM", 1);
  place(cmbT, 3240, 480, 790, 315, 19);
  for (Control* c : std::initializer_list<Control*>{&txtHour, &vsHour, &txtMin, &vsMin, &cmbT})
    c->setEnabled(false);

  Option1.setCaption("Activate if the CPU-Usage is less than");
  place(Option1, 30, 960, 3135, 195, 29);
  spinPair(txtAuslastung, vsAuslastung, "1", 3, 100, 1, 1);
  txtAuslastung.setLocked(true);
  txtAuslastung.setEnabled(false);
  vsAuslastung.setEnabled(false);
  place(txtAuslastung, 3120, 920, 495, 315, 30);
  place(vsAuslastung, 3600, 920, 165, 315, 31);
  Label1.setCaption("%");
  place(Label1, 3840, 960, 375, 255, 32);

  chkBlink.setCaption("Flash the Tray-Icon at");
  chkBlink.setValue(1);
  place(chkBlink, 240, 2220, 1935, 255, 11);
  spinPair(txtBlink, vsBlink, "30", 3, 999, 1, 30);
  place(txtBlink, 2280, 2160, 495, 315, 10);
  place(vsBlink, 2880, 2160, 165, 315, 9);
  lbl1.setCaption("sec. before action starts");
  lbl1.autoSize = true;
  place(lbl1, 3120, 2220, 1695, 195, 13);

  Frame2.setCaption("CPU-Usage");
  Frame2.font = kFrameFont;
  place(Frame2, 120, 2880, 4935, 1695, 25);
  picUsage.backColor = kMeterBack;
  picUsage.drawColor = Color::fromRgb(0x00C000);
  picUsage.borderStyle = BorderStyle::Fixed3D;
  place(picUsage, 120, 480, 990, 975, 27);
  lblCpuUsage.setCaption("0");
  lblCpuUsage.toolTipText = "%";
  lblCpuUsage.foreColor = Color::fromRgb(0xC00000);
  lblCpuUsage.alignment = Alignment::Center;
  lblCpuUsage.font = Font{"System", 9.75, true};
  place(lblCpuUsage, 0, 600, 930, 255, 28);
  picGraph.backColor = kMeterBack;
  picGraph.drawColor = Color::fromRgb(0x008000);
  picGraph.borderStyle = BorderStyle::Fixed3D;
  picGraph.setUserScale(0, 0, 100, 100);
  place(picGraph, 1200, 480, 3615, 975, 26);

  fraTime.setCaption("Time:");
  fraTime.font = kFrameFont;
  place(fraTime, 120, 4680, 4935, 555, 20);
  lbltime.backColor = kWhite;
  lbltime.alignment = Alignment::Center;
  lbltime.font = kLineFont;
  place(lbltime, 1560, 180, 1665, 315, 21);

  Frame1.setCaption("Status:");
  Frame1.font = kFrameFont;
  place(Frame1, 120, 5280, 4935, 555, 23);
  lblStatus.setCaption("Timer Deactivated");
  lblStatus.backColor = kWhite;
  lblStatus.alignment = Alignment::Center;
  lblStatus.font = kLineFont;
  place(lblStatus, 360, 200, 4290, 315, 24);

  cmdTimer.setCaption("Activate Timer");
  place(cmdTimer, 840, 5880, 1575, 375, 0);
  Command1.setCaption("Tray");
  place(Command1, 2520, 5880, 1575, 375, 22);

  // The clock and the meter may share a wake-up; the countdown and the CPU watch keep their
  // exact intervals, which the firing moment depends on.
  thetime.setInterval(500);
  thetime.coarse = true;
  Timer_.setInterval(500);
  Timer_.setEnabled(false);
  tmrRefresh.setInterval(500);
  tmrRefresh.coarse = true;
  tmrRefresh.setEnabled(false);
  timercpushut.setInterval(10);
  timercpushut.setEnabled(false);

  menuDatei.setCaption("File");
  ueber.setCaption("About Slumbrix");
  beendn.setCaption("Exit Slumbrix");
  mnuPopup.setCaption("Popup");
  mnuPopup.setVisible(false);
  menuwieder.setCaption("Restore");
  mnuExit.setCaption("Exit Slumbrix");
}

}  // namespace slumbrix
