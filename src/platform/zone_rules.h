#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace slumbrix {

// The moment of a yearly change of a zone's offset, as Windows states it in
// TIME_ZONE_INFORMATION: the `week`-th (5 = the last) `weekday` (0 = Sunday) of `month`, at a
// local time of day. A month of 0 means the zone has no such change. A nonzero year makes it
// the fixed date year-month-`week`; it is then taken as that day of the month in every year.
struct ZoneChange {
  int year = 0;
  int month = 0;
  int weekday = 0;
  int week = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// A time zone with one yearly daylight-saving rule, as Windows gives it: UTC = local time +
// bias, in minutes. Daylight time begins at `daylightDate` read on standard time and ends at
// `standardDate` read on daylight time.
struct ZoneRules {
  int bias = 0;
  int standardBias = 0;
  int daylightBias = 0;
  ZoneChange standardDate;
  ZoneChange daylightDate;
};

// The local wall-clock time at a UTC moment, both in seconds since 1 January 1970 00:00 (the
// local one as if it were UTC).
std::int64_t localSecondsAt(const ZoneRules& zone, std::int64_t utcSeconds);

// The same as a civil date and time of day.
LocalTime localTimeAt(const ZoneRules& zone, std::int64_t utcSeconds);

}  // namespace slumbrix
