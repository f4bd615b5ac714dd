#pragma once

#include <vector>

#include "platform/platform.h"
#include "schedule/date_time.h"

namespace slumbrix {

// Moments in UTC are held as date-times counted in UTC; the local clock is the platform's.
// A period is elapsed time and counts in UTC; a clock time is read on the local clock.

// The present moment in UTC, in whole seconds (milliseconds dropped).
DateTime PresentUtc(Platform& platform);

// The local wall-clock time at a UTC moment. Where the platform cannot convert it, the
// present difference between the local clock and UTC is applied.
DateTime LocalOfUtc(Platform& platform, DateTime utc);

// The UTC moments at which the local clock shows `local`, earliest first: one in general, two
// where the clock is set back across it, and where a change of the offset skips it, the moment
// the clock passes it.
std::vector<DateTime> UtcShowing(Platform& platform, DateTime local);

}  // namespace slumbrix
