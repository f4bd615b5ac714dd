#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "ui/vb_types.h"

namespace slumbrix {

// The running Windows as GetWindowsVersion classifies it.
struct WindowsVersionInfo {
  // 0 = Win32s or an unrecognised platform, 1 = the 95/98/Me family, 2 = the NT family.
  std::int32_t lngPlatform = 0;
  // 1 = 95, 2 = 98, 3 = ME, 4 = NT 3.x/4, 5 = 2000, 6 = XP; 0 for anything else.
  std::int32_t lngVersion = 0;
  std::int32_t lngBuild = 0;
  // Major and minor version as "5.1".
  std::string strVersion;
};

namespace modShutdown {

// ---- Which Windows is running ------------------------------------------------------------
// Asks the platform afresh on every call. A failed query classifies as platform 0, code 0.
WindowsVersionInfo GetWindowsVersion(Platform& platform);
// The display name of a version code; empty outside 0..6.
std::string WindowsName(std::int32_t lngVersion);
// The display name of the running Windows ("Windows XP", "Windows 32" when unrecognised).
std::string GetWindowsName(Platform& platform);
// 1 on the NT family, 0 on Win32s and the 95/98/Me family, from bit 31 of GetVersion().
std::int32_t WhichWindows32(Platform& platform);

// ---- System actions ----------------------------------------------------------------------
// Restart or log off (lngFlags EWX_REBOOT or EWX_LOGOFF; EWX_FORCE is added when blnForce is
// set). On the NT family the shutdown privilege is enabled around the request. True when the
// request was accepted.
VbBool ShutdownWindows(Platform& platform, std::int32_t lngFlags, VbBool blnForce);
// Standby (or hibernation when lngHibernate is nonzero). False without any call on Win32s,
// Windows 95, NT 4 and unrecognised versions, which cannot suspend.
VbBool SuspendComputer(Platform& platform, std::int32_t lngHibernate, VbBool blnForce,
                       VbBool blnDisableWake);
// Locks the workstation on Windows 2000 and XP; false without any call elsewhere.
VbBool LockComputer(Platform& platform);
// Enables or disables SeShutdownPrivilege in the process token. Failures of the token calls
// are not reported: the action that follows is attempted anyway.
void SetShutdownPrivilege(Platform& platform, VbBool blnEnable);

}  // namespace modShutdown
}  // namespace slumbrix
