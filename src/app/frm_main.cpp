#include "app/frm_main.h"

#include "app/frm_about.h"

namespace slumbrix {

frmMain::frmMain(WindowSystem& windowSystem, Platform& platform)
    : Form("frmMain", windowSystem), platform_(platform) {
  layout();
  describeAccessibility();
  connectHandlers();
}

frmMain::~frmMain() = default;

Handle frmMain::hWnd() const {
  return windowSystem().windowHandle(*this);
}

Handle frmMain::iconHandle() const {
  return windowSystem().iconHandle(*this);
}

void frmMain::connectHandlers() {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  KeyPress = [this](std::int16_t& key) { Form_KeyPress(key); };
  Unload = [this](std::int16_t& cancel) { Form_Unload(cancel); };
  MouseMove = [this](int button, int shift, double x, double y) {
    Form_MouseMove(button, shift, x, y);
  };
  TaskbarCreated = [this] { Form_TaskbarCreated(); };
  TaskbarGone = [this] { Form_TaskbarGone(); };
  ueber.Click = [this] { ueber_Click(); };
  beendn.Click = [this] { beendn_Click(); };
  menuwieder.Click = [this] { menuwieder_Click(); };
  mnuExit.Click = [this] { mnuExit_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  thetime.Tick = [this] { thetime_Timer(); };
  Timer_.Tick = [this] { Timer_Timer(); };
  tmrRefresh.Tick = [this] { tmrRefresh_Timer(); };
  timercpushut.Tick = [this] { timercpushut_Timer(); };
  cmdTimer.Click = [this] { cmdTimer_Click(); };
  opt0.Click = [this] { opt_Click(0); };
  opt1.Click = [this] { opt_Click(1); };
  Option1.Click = [this] { Option1_Click(); };
  chkBlink.Click = [this] { chkBlink_Click(); };
  txtPeriod.KeyPress = [this](std::int16_t& key) { txtPeriod_KeyPress(key); };
  txtHour.KeyPress = [this](std::int16_t& key) { txtHour_KeyPress(key); };
  txtMin.KeyPress = [this](std::int16_t& key) { txtMin_KeyPress(key); };
  txtBlink.KeyPress = [this](std::int16_t& key) { txtBlink_KeyPress(key); };
  txtPeriod.Change = [this] { txtPeriod_Change(); };
  txtHour.Change = [this] { txtHour_Change(); };
  txtMin.Change = [this] { txtMin_Change(); };
  txtBlink.Change = [this] { txtBlink_Change(); };
  txtAuslastung.Change = [this] { txtAuslastung_Change(); };
  vsPeriod.Change = [this] { vsPeriod_Change(); };
  vsHour.Change = [this] { vsHour_Change(); };
  vsMin.Change = [this] { vsMin_Change(); };
  vsBlink.Change = [this] { vsBlink_Change(); };
  vsAuslastung.Change = [this] { vsAuslastung_Change(); };
}

}  // namespace slumbrix
