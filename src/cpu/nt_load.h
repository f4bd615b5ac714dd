#pragma once

#include <cstdint>
#include <optional>

namespace slumbrix {

// A signed 64-bit fixed-point number with four decimal places: its value is raw / 10,000.
// A counter of 100 ns units copied in bit for bit reads as milliseconds.
struct Currency {
  std::int64_t raw = 0;

  static Currency fromRaw(std::int64_t raw) { return Currency{raw}; }
  // Times 10,000, rounded to the nearest integer with ties to even, saturating at the limits.
  static Currency fromDouble(double value);
  double toDouble() const { return static_cast<double>(raw) / 10000.0; }
  // The whole part, rounded towards minus infinity.
  std::int64_t wholePart() const;
};

// Exact, saturating at the limits of the 64-bit range.
Currency operator-(Currency a, Currency b);
Currency times100(Currency value);

// The processor load between two samples of the NT counters (idle time of all processors
// together and system time, both in 100 ns units), in whole percent from 0 to 100: 100 minus
// the idle share averaged over the processors, a half rounded up. A processor count of 0 is
// taken as 1. Empty when no system time has passed between the samples, which leaves
// nothing to measure.
std::optional<std::int32_t> ntCpuUsage(std::int64_t oldIdleTime, std::int64_t newIdleTime,
                                       std::int64_t oldSystemTime, std::int64_t newSystemTime,
                                       std::uint32_t processors);

}  // namespace slumbrix
