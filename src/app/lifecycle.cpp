// Start-up, hiding and the exit path of the main window.
#include "actions/mod_shutdown.h"
#include "app/frm_about.h"
#include "app/frm_main.h"
#include "cpu/cls_cpu_usage.h"
#include "cpu/cls_cpu_usage_nt.h"
#include "cpu/md_misc.h"
#include "platform/windows_values.h"

namespace slumbrix {

void frmMain::start() {
  Form_Initialize();
}

void frmMain::Form_Initialize() {
  glngWhichWindows32 = modShutdown::WhichWindows32(platform());
  if (platform().PrevInstance()) {
    (void)windowSystem().messageBox("Slumbrix is already running", kMbIconInformation, "Slumbrix");
    windowSystem().endProgram();
    return;
  }
  // The name is asked for once for each comparison.
  const bool isXp = modShutdown::GetWindowsName(platform()) == "Windows XP";
  const bool is2000 = modShutdown::GetWindowsName(platform()) == "Windows 2000";
  const bool offersLock = isXp || is2000;
  load();  // Form_Load
  if (offersLock) cmbAction.addItem("Lock Computer");
  cmbAction.setText("Shutdown");
  cmbUnit.setText("Hours");
  cmbT.setText("AM");

  AddTrayIcon();
  show();
  Form_Activate();
}

void frmMain::Form_Load() {
  // Both stay raised for the whole run; a refusal leaves normal priority.
  (void)platform().SetThreadPriority(platform().GetCurrentThread(), kThreadPriorityHighest);
  (void)platform().SetPriorityClass(platform().GetCurrentProcess(), kHighPriorityClass);
  if (isTrue(mdMisc::IsWindowsNT(platform())))
    mCPUUsage = std::make_unique<clsCPUUsageNT>(platform());
  else
    mCPUUsage = std::make_unique<clsCPUUsage>(platform());
  mCPUUsage->Initialize();
  tmrRefresh.setEnabled(true);
  tmrRefresh_Timer();
}

void frmMain::Form_Activate() {}

void frmMain::Form_KeyPress(std::int16_t& keyAscii) {
  if (keyAscii == kAsciiEscape) HideWindow();
}

void frmMain::Form_Unload(std::int16_t& cancel) {
  if (!isTrue(mblnExit)) {
    // Closing only hides: the tray icon, the timers and anything armed go on.
    cancel = 1;
    HideWindow();
    return;
  }
  DeleteTrayIcon();
  tmrRefresh.setEnabled(false);
  if (mCPUUsage) {
    mCPUUsage->Terminate();
    mCPUUsage.reset();
  }
  windowSystem().endProgram();
}

void frmMain::ExitProgram() {
  mblnExit = kVbTrue;
  (void)unload();
}

void frmMain::beendn_Click() {
  ExitProgram();
}
void frmMain::mnuExit_Click() {
  ExitProgram();
}
void frmMain::menuwieder_Click() {
  show();
}

void frmMain::ueber_Click() {
  // Each showing starts from the design-time values.
  if (frmAbout_ == nullptr || !frmAbout_->isLoaded())
    frmAbout_ = std::make_unique<frmAbout>(windowSystem(), platform());
  frmAbout_->showModal(*this);
}

}  // namespace slumbrix
