#include "platform/zone_rules.h"

namespace slumbrix {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian), after H. Hinnant.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = floorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// The civil date of a day count from 1970-01-01.
LocalTime civilFromDays(std::int64_t days) {
  const std::int64_t z = days + 719468;
  const std::int64_t era = floorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  LocalTime t;
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  return t;
}

// The local moment (seconds since 1970 as if UTC) of a change in a given year.
std::int64_t changeIn(std::int64_t year, const ZoneChange& c) {
  std::int64_t day = 0;
  if (c.year != 0) {
    day = daysFromCivil(year, c.month, c.week);
  } else {
    const std::int64_t first = daysFromCivil(year, c.month, 1);
    const std::int64_t firstWeekday = ((first + 4) % 7 + 7) % 7;  // 1970-01-01 was a Thursday
    const std::int64_t next =
        daysFromCivil(c.month == 12 ? year + 1 : year, c.month == 12 ? 1 : c.month + 1, 1);
    day = first + (c.weekday - firstWeekday + 7) % 7 + 7 * (c.week - 1);
    while (day >= next) day -= 7;  // week 5 means the last one
  }
  const int roundUp = c.millisecond > 0 ? 1 : 0;
  return day * kSecondsPerDay + c.hour * 3600 + c.minute * 60 + c.second + roundUp;
}

}  // namespace

std::int64_t localSecondsAt(const ZoneRules& zone, std::int64_t utc) {
  const std::int64_t standard = 60LL * (zone.bias + zone.standardBias);
  const std::int64_t daylight = 60LL * (zone.bias + zone.daylightBias);
  if (zone.standardDate.month == 0 || zone.daylightDate.month == 0) return utc - standard;
  const std::int64_t year = civilFromDays(floorDiv(utc - standard, kSecondsPerDay)).year;
  const std::int64_t begins = changeIn(year, zone.daylightDate) + standard;
  const std::int64_t ends = changeIn(year, zone.standardDate) + daylight;
  // In the southern half of the world daylight time spans the turn of the year.
  const bool inDaylight = begins < ends ? utc >= begins && utc < ends : utc >= begins || utc < ends;
  return utc - (inDaylight ? daylight : standard);
}

LocalTime localTimeAt(const ZoneRules& zone, std::int64_t utcSeconds) {
  const std::int64_t wall = localSecondsAt(zone, utcSeconds);
  const std::int64_t days = floorDiv(wall, kSecondsPerDay);
  const std::int64_t rest = wall - days * kSecondsPerDay;
  LocalTime t = civilFromDays(days);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

}  // namespace slumbrix
