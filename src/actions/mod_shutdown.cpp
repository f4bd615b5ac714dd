#include "actions/mod_shutdown.h"

#include "actions/shutdown_records.h"
#include "platform/windows_values.h"

namespace slumbrix::modShutdown {

VbBool ShutdownWindows(Platform& platform, std::int32_t lngFlags, VbBool blnForce) {
  std::uint32_t flags = static_cast<std::uint32_t>(lngFlags);
  if (isTrue(blnForce)) flags |= kEwxForce;

  if (GetWindowsVersion(platform).lngPlatform == kVerPlatformWin32Nt) {
    SetShutdownPrivilege(platform, kVbTrue);
    const std::int32_t accepted = platform.ExitWindowsEx(flags, 0);
    SetShutdownPrivilege(platform, kVbFalse);
    return toVb(accepted != 0);
  }
  return toVb(platform.ExitWindowsEx(flags, 0) != 0);
}

VbBool SuspendComputer(Platform& platform, std::int32_t lngHibernate, VbBool blnForce,
                       VbBool blnDisableWake) {
  const std::int32_t code = GetWindowsVersion(platform).lngVersion;
  // Win32s, 95 and NT 4 have no standby to ask for; unrecognised versions are not tried.
  if (code == 0 || code == 1 || code == 4) return kVbFalse;
  const std::int32_t result = platform.SetSuspendState(static_cast<std::uint32_t>(lngHibernate),
                                                       widen(blnForce), widen(blnDisableWake));
  return toVb(result != 0);
}

VbBool LockComputer(Platform& platform) {
  const std::int32_t code = GetWindowsVersion(platform).lngVersion;
  if (code != 5 && code != 6) return kVbFalse;
  return toVb(platform.LockWorkStation() != 0);
}

void SetShutdownPrivilege(Platform& platform, VbBool blnEnable) {
  Handle token = 0;
  const bool opened = platform.OpenProcessToken(platform.GetCurrentProcess(),
                                                kTokenAdjustPrivileges | kTokenQuery, &token) != 0;

  // The LUID goes straight into the entry of the record that later receives the previous
  // state; its count and attributes stay 0.
  TokenPrivileges::Bytes previous{};
  (void)platform.LookupPrivilegeValueA("", kSeShutdownName,
                                       previous.data() + TokenPrivileges::kLuidOffset);
  TokenPrivileges wanted = TokenPrivileges::fromBytes(previous);
  wanted.PrivilegeCount = 1;
  wanted.Attributes = isTrue(blnEnable) ? kSePrivilegeEnabled : 0;
  const TokenPrivileges::Bytes newState = wanted.toBytes();

  std::uint32_t returnLength = 0;
  // The outcome is not examined: the action that follows is attempted either way.
  (void)platform.AdjustTokenPrivileges(token, 0, newState.data(), TokenPrivileges::kSize,
                                       previous.data(), &returnLength);
  if (opened) (void)platform.CloseHandle(token);
}

}  // namespace slumbrix::modShutdown
