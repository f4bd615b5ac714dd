#include "cpu/md_misc.h"

#include "actions/shutdown_records.h"
#include "platform/windows_values.h"

namespace slumbrix::mdMisc {

VbBool IsWindowsNT(Platform& platform) {
  // The CPU usage subsystem asks for itself rather than through the version detection; only
  // the reading of the record is shared.
  OsVersionInfo::Bytes record = OsVersionInfo::request();
  // The record is read either way: a failed query leaves the platform id 0.
  (void)platform.GetVersionExA(record.data());
  return toVb(OsVersionInfo::fromBytes(record).dwPlatformId == kVerPlatformWin32Nt);
}

}  // namespace slumbrix::mdMisc
