#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "schedule/date_time.h"

namespace slumbrix {

// The moment a period countdown fires: now plus `count` units of "Hours", "Minutes" or
// "Seconds". Another unit text adds nothing. A period is elapsed time, so `now` and the result
// are both UTC.
DateTime PeriodTarget(DateTime now, const std::string& unit, std::int64_t count);

// The moment, in UTC, at which the local clock first shows a 12-hour clock time at or after
// `nowUtc`: today's occurrence while it lies ahead (or is now), else tomorrow's. Where the
// clock is set back across that time, the first showing that is not past counts; where a
// change of the zone's offset skips it, the moment the clock passes it. The hour and minute
// texts are read by their leading numbers (an empty minute is minute 0), so a pasted or
// emptied field never stops the program; an hour outside 1..12 or a minute outside 0..59 is
// brought into range. halfOfDay is "AM" or "PM".
DateTime ClockTimeTarget(Platform& platform, DateTime nowUtc, const std::string& hourText,
                         const std::string& minuteText, const std::string& halfOfDay,
                         const LocaleFormats& locale);

}  // namespace slumbrix
