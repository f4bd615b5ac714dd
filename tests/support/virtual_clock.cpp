#include "support/virtual_clock.h"

#include "schedule/date_time.h"

namespace slumbrix::test {
namespace {

constexpr std::int64_t kUnixEpoch = 25569 * datetime::kSecondsPerDay;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

void VirtualClock::set(const LocalTime& t) {
  const std::int64_t wall = datetime::toSeconds(datetime::fromLocalTime(t)) - kUnixEpoch;
  const std::int64_t daylight = 60LL * (zone.bias + zone.daylightBias);
  const std::int64_t standard = 60LL * (zone.bias + zone.standardBias);
  std::int64_t utc = wall + standard;
  if (localSecondsAt(zone, wall + daylight) == wall) utc = wall + daylight;
  ms_ = (utc + kUnixEpoch) * 1000 + t.millisecond;
}

LocalTime VirtualClock::localAt(std::int64_t utcSeconds) const {
  return localTimeAt(zone, utcSeconds);
}

UtcTime VirtualClock::utcNow() const {
  const std::int64_t seconds = floorDiv(ms_, 1000);
  return UtcTime{seconds - kUnixEpoch, static_cast<int>(ms_ - seconds * 1000)};
}

LocalTime VirtualClock::now() const {
  const UtcTime utc = utcNow();
  LocalTime t = localAt(utc.seconds);
  t.millisecond = utc.millisecond;
  return t;
}

ZoneRules centralEuropeanZone() {
  ZoneRules zone;
  zone.bias = -60;
  zone.daylightBias = -60;
  zone.daylightDate = ZoneChange{0, 3, 0, 5, 2, 0, 0, 0};
  zone.standardDate = ZoneChange{0, 10, 0, 5, 3, 0, 0, 0};
  return zone;
}

}  // namespace slumbrix::test
