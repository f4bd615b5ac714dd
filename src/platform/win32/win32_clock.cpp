// The present moment in UTC and the local time of a UTC moment on Windows. The conversion
// functions for a time zone exist only on NT (SystemTimeToTzSpecificLocalTime) or XP, so the
// local time is computed from the zone's rules, which GetTimeZoneInformation gives on every
// version; Windows before Vista applies the same rules to every year as well.
#include <windows.h>

#include "platform/win32/win32_platform.h"
#include "platform/zone_rules.h"
#include "schedule/date_time.h"

namespace slumbrix {
namespace {

constexpr std::int64_t kUnixEpoch = 25569 * datetime::kSecondsPerDay;  // 1970-01-01

ZoneChange changeOf(const SYSTEMTIME& t) {
  return ZoneChange{t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
                    t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

}  // namespace

UtcTime Win32Platform::NowUtc() {
  SYSTEMTIME t;
  GetSystemTime(&t);
  const DateTime moment =
      datetime::fromParts(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
  return UtcTime{datetime::toSeconds(moment) - kUnixEpoch, t.wMilliseconds};
}

bool Win32Platform::LocalFromUtc(std::int64_t utcSeconds, LocalTime& local) {
  TIME_ZONE_INFORMATION info;
  const DWORD kind = GetTimeZoneInformation(&info);
  if (kind == TIME_ZONE_ID_INVALID) return false;
  ZoneRules zone;
  zone.bias = static_cast<int>(info.Bias);
  zone.standardBias = static_cast<int>(info.StandardBias);
  zone.daylightBias = static_cast<int>(info.DaylightBias);
  // TIME_ZONE_ID_UNKNOWN: no daylight saving, or its automatic change is switched off.
  if (kind != TIME_ZONE_ID_UNKNOWN) {
    zone.standardDate = changeOf(info.StandardDate);
    zone.daylightDate = changeOf(info.DaylightDate);
  }
  local = localTimeAt(zone, utcSeconds);
  return true;
}

}  // namespace slumbrix
