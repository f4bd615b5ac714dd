#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "platform/zone_rules.h"

namespace slumbrix::test {

// Virtual time: milliseconds of UTC since 30 December 1899 00:00. The local clock follows
// `zone`, which by default has offset 0 and no daylight saving, so that local time and UTC are
// the same unless a test sets a zone.
class VirtualClock {
 public:
  ZoneRules zone;

  // Sets the clock so that the local clock shows `time`; where the zone shows that time twice
  // the first showing, where it skips it the moment on standard time.
  void set(const LocalTime& time);
  LocalTime now() const;
  UtcTime utcNow() const;
  // The local time at a UTC moment in seconds since 1970, by `zone`.
  LocalTime localAt(std::int64_t utcSeconds) const;
  std::int64_t milliseconds() const { return ms_; }
  void setMilliseconds(std::int64_t ms) { ms_ = ms; }

 private:
  std::int64_t ms_ = 0;
};

// The zone of central Europe: UTC+1, daylight time UTC+2 from the last Sunday of March 01:00
// UTC to the last Sunday of October 01:00 UTC.
ZoneRules centralEuropeanZone();

}  // namespace slumbrix::test
