// The main window's part of the system actions: the action dispatch shared by both firing
// paths, and the "Shutdown" action with its own privilege step.
#include "app/frm_main.h"

#include <algorithm>
#include <array>

#include "actions/mod_shutdown.h"
#include "actions/module2.h"
#include "actions/shutdown_records.h"
#include "platform/windows_values.h"

namespace slumbrix {

void frmMain::PerformAction() {
  // Exact, case-sensitive names; anything else performs nothing.
  Platform& p = platform();
  if (mstrAction == "Shutdown") {
    ShutdownComputer();
  } else if (mstrAction == "Reboot") {
    (void)modShutdown::ShutdownWindows(p, kEwxReboot, mblnForce);
  } else if (mstrAction == "Log OFF") {
    (void)modShutdown::ShutdownWindows(p, kEwxLogOff, mblnForce);
  } else if (mstrAction == "Standby") {
    (void)modShutdown::SuspendComputer(p, 0, mblnForce, kVbFalse);
  } else if (mstrAction == "Start Screensaver") {
    Module2::StartScreensaver(p, hWnd());
  } else if (mstrAction == "Lock Computer") {
    (void)modShutdown::LockComputer(p);
  }
  // The program exits right after the attempt, so no outcome is looked at.
}

void frmMain::ShutdownComputer() {
  if (glngWhichWindows32 == 1) EnableShutdownPrivilege();
  // Shutdown always forces and powers off; the force option is not consulted. The privilege
  // stays enabled: the program ends right after this.
  (void)platform().ExitWindowsEx(kEwxShutdown | kEwxForce | kEwxPowerOff, 0xFFFFFFFFu);
}

void frmMain::EnableShutdownPrivilege() {
  Platform& p = platform();
  Handle token = 0;
  const bool opened =
      p.OpenProcessToken(p.GetCurrentProcess(), kTokenAdjustPrivileges | kTokenQuery, &token) != 0;

  std::array<std::uint8_t, 8> luid{};
  (void)p.LookupPrivilegeValueA("", kSeShutdownName, luid.data());
  TokenPrivileges record;
  record.PrivilegeCount = 1;
  record.Attributes = kSePrivilegeEnabled;
  TokenPrivileges::Bytes wanted = record.toBytes();
  std::copy(luid.begin(), luid.end(), wanted.begin() + TokenPrivileges::kLuidOffset);

  TokenPrivileges::Bytes previous{};
  std::uint32_t returnLength = 0;
  // Not examined: the shutdown request is made whether or not the privilege was granted.
  (void)p.AdjustTokenPrivileges(token, 0, wanted.data(), TokenPrivileges::kSize, previous.data(),
                                &returnLength);
  if (opened) (void)p.CloseHandle(token);
}

}  // namespace slumbrix
