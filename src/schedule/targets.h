#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "schedule/date_time.h"

namespace slumbrix {

// The moment a period countdown fires: now plus `count` units of "Hours", "Minutes" or
// "Seconds". Another unit text adds nothing.
DateTime PeriodTarget(DateTime now, const std::string& unit, std::int64_t count);

// The next occurrence of a 12-hour clock time: today at that time when it is not earlier than
// now, else tomorrow. The hour and minute texts are read by their leading numbers (an empty
// minute is minute 0), so a pasted or emptied field never stops the program; an hour outside
// 1..12 or a minute outside 0..59 is brought into range. halfOfDay is "AM" or "PM".
DateTime ClockTimeTarget(DateTime now, const std::string& hourText, const std::string& minuteText,
                         const std::string& halfOfDay, const LocaleFormats& locale);

}  // namespace slumbrix
