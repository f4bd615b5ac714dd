#include "actions/mod_shutdown.h"

#include <array>

#include "actions/shutdown_records.h"
#include "platform/windows_values.h"

namespace slumbrix::modShutdown {
namespace {

std::int32_t versionCode(const OsVersionInfo& info) {
  const std::int32_t major = info.dwMajorVersion;
  const std::int32_t minor = info.dwMinorVersion;
  switch (info.dwPlatformId) {
    case kVerPlatformWin32Windows:
      // The family is told apart by the minor version alone.
      if (minor == 0) return 1;
      if (minor == 10) return 2;
      if (minor == 90) return 3;
      return 0;
    case kVerPlatformWin32Nt:
      if (major < 5) return 4;
      if (major == 5 && minor == 0) return 5;
      if (major == 5 && minor == 1) return 6;
      return 0;
    default:
      return 0;
  }
}

std::int32_t platformClass(std::int32_t platformId) {
  if (platformId == kVerPlatformWin32Windows) return 1;
  if (platformId == kVerPlatformWin32Nt) return 2;
  return 0;
}

}  // namespace

WindowsVersionInfo GetWindowsVersion(Platform& platform) {
  OsVersionInfo::Bytes bytes = OsVersionInfo::request();
  // A failed query leaves the record zeroed, which classifies as unrecognised.
  (void)platform.GetVersionExA(bytes.data());
  const OsVersionInfo info = OsVersionInfo::fromBytes(bytes);

  WindowsVersionInfo result;
  result.lngBuild = info.dwBuildNumber;
  result.strVersion =
      std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion);
  result.lngPlatform = platformClass(info.dwPlatformId);
  result.lngVersion = versionCode(info);
  return result;
}

std::string WindowsName(std::int32_t lngVersion) {
  static const std::array<const char*, 7> kNames = {"Windows 32", "Windows 95", "Windows 98",
                                                    "Windows ME", "Windows NT", "Windows 2000",
                                                    "Windows XP"};
  if (lngVersion < 0 || lngVersion >= static_cast<std::int32_t>(kNames.size())) return {};
  return kNames[static_cast<std::size_t>(lngVersion)];
}

std::string GetWindowsName(Platform& platform) {
  return WindowsName(GetWindowsVersion(platform).lngVersion);
}

std::int32_t WhichWindows32(Platform& platform) {
  return (platform.GetVersion() & kVersionNotNtBit) == 0 ? 1 : 0;
}

}  // namespace slumbrix::modShutdown
