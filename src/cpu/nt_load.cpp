#include "cpu/nt_load.h"

#include <algorithm>
#include <limits>

#include "ui/numbers.h"

namespace slumbrix {
namespace {

constexpr std::int64_t kScale = 10000;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Whether an idle advance exceeds what `processors` processors can idle in `elapsed`, beyond
// one unit each; both amounts are 0 or more.
bool idleBeyondElapsed(std::int64_t idle, std::int64_t elapsed, std::int64_t processors) {
  if (elapsed >= kMax / processors - 1) return false;  // more than any idle counter holds
  return idle > processors * (elapsed + 1);
}

}  // namespace

Currency Currency::fromDouble(double value) {
  return Currency{roundHalfEven(value * static_cast<double>(kScale))};
}

std::int64_t Currency::wholePart() const {
  std::int64_t whole = raw / kScale;
  if (raw % kScale < 0) --whole;
  return whole;
}

Currency operator-(Currency a, Currency b) {
  if (b.raw < 0 && a.raw > kMax + b.raw) return Currency{kMax};
  if (b.raw > 0 && a.raw < kMin + b.raw) return Currency{kMin};
  return Currency{a.raw - b.raw};
}

Currency times100(Currency value) {
  if (value.raw > kMax / 100) return Currency{kMax};
  if (value.raw < kMin / 100) return Currency{kMin};
  return Currency{value.raw * 100};
}

NtLoad ntCpuUsage(std::int64_t oldIdleTime, std::int64_t newIdleTime, std::int64_t oldSystemTime,
                  std::int64_t newSystemTime, std::uint32_t processors) {
  const Currency idleAdvance = Currency::fromRaw(newIdleTime) - Currency::fromRaw(oldIdleTime);
  const Currency elapsed = Currency::fromRaw(newSystemTime) - Currency::fromRaw(oldSystemTime);
  const std::int64_t n = std::max<std::uint32_t>(processors, 1);
  if (idleAdvance.raw < 0 || elapsed.raw < 0) return NtLoad{NtLoad::Kind::NoMeasurement};
  if (elapsed.raw == 0) return NtLoad{NtLoad::Kind::EmptyInterval};
  if (idleBeyondElapsed(idleAdvance.raw, elapsed.raw, n))
    return NtLoad{NtLoad::Kind::NoMeasurement};

  // Old minus new: both differences are negative while the counters advance, and their
  // signs cancel in the fraction.
  const Currency dIdle = Currency::fromRaw(oldIdleTime) - Currency::fromRaw(newIdleTime);
  const Currency dSys = Currency::fromRaw(oldSystemTime) - Currency::fromRaw(newSystemTime);
  const Currency f = Currency::fromDouble(dIdle.toDouble() / dSys.toDouble());
  const Currency p = times100(f);
  const double x = p.toDouble() / static_cast<double>(n);
  const Currency y = Currency::fromDouble(100.0 - x + 0.5);
  // An idle advance within the rounding of the elapsed time can still give a little below
  // 0, and -1 would read as a failed measurement.
  return NtLoad{NtLoad::Kind::Figure,
                static_cast<std::int32_t>(std::clamp<std::int64_t>(y.wholePart(), 0, 100))};
}

}  // namespace slumbrix
