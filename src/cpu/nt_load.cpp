#include "cpu/nt_load.h"

#include <algorithm>
#include <limits>

#include "ui/numbers.h"

namespace slumbrix {
namespace {

constexpr std::int64_t kScale = 10000;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

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

std::optional<std::int32_t> ntCpuUsage(std::int64_t oldIdleTime, std::int64_t newIdleTime,
                                       std::int64_t oldSystemTime, std::int64_t newSystemTime,
                                       std::uint32_t processors) {
  // Old minus new: both differences are negative while the counters advance, and their
  // signs cancel in the fraction.
  const Currency dIdle = Currency::fromRaw(oldIdleTime) - Currency::fromRaw(newIdleTime);
  const Currency dSys = Currency::fromRaw(oldSystemTime) - Currency::fromRaw(newSystemTime);
  if (dSys.raw == 0) return std::nullopt;

  const Currency f = Currency::fromDouble(dIdle.toDouble() / dSys.toDouble());
  const Currency p = times100(f);
  const double n = static_cast<double>(std::max<std::uint32_t>(processors, 1));
  const double x = p.toDouble() / n;
  const Currency y = Currency::fromDouble(100.0 - x + 0.5);
  // Coarse counters can report a little more idle time than has passed, and a system time
  // set back gives a negative share; neither may leave the percent range, and a figure of
  // -1 would read as a failed measurement.
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(y.wholePart(), 0, 100));
}

}  // namespace slumbrix
