#pragma once

#include <cstdint>

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

// What two samples of the NT counters (idle time of all processors together and system time,
// both in 100 ns units) say about the time between them.
struct NtLoad {
  enum class Kind {
    // `figure` holds the load in whole percent from 0 to 100: 100 minus the idle share
    // averaged over the processors, a half rounded up.
    Figure,
    // No system time has passed: nothing to measure yet.
    EmptyInterval,
    // Counters that no interval can produce: the system time or the idle time went back, or
    // more idle time passed than the processors had. Not a measurement of anything.
    NoMeasurement,
  };
  Kind kind = Kind::EmptyInterval;
  std::int32_t figure = 0;
};

// The processor load between two samples. A processor count of 0 is taken as 1. An idle
// advance up to one 100 ns unit per processor beyond the elapsed time still counts: that is
// what rounding the elapsed time of one processor to the unit can leave.
NtLoad ntCpuUsage(std::int64_t oldIdleTime, std::int64_t newIdleTime, std::int64_t oldSystemTime,
                  std::int64_t newSystemTime, std::uint32_t processors);

}  // namespace slumbrix
