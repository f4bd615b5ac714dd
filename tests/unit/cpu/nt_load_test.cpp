#include "cpu/nt_load.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace slumbrix {
namespace {

constexpr std::int64_t kMs = 10000;  // 100 ns units in a millisecond

std::optional<std::int32_t> figureOf(const NtLoad& load) {
  if (load.kind != NtLoad::Kind::Figure) return std::nullopt;
  return load.figure;
}

TEST(NtCpuUsage, BusyShareOfTheIntervalAveragedOverTheProcessors) {
  struct Row {
    std::int64_t idleMs, elapsedMs;
    std::uint32_t processors;
    std::int32_t expected;
  };
  const Row rows[] = {
      {750, 500, 2, 25},   // f 1.5, y 25.5
      {333, 1000, 1, 67},  // y 67.2
      {245, 1000, 1, 76},  // y exactly 76.0
      {0, 500, 1, 100},
      {500, 500, 1, 0},
      {1000, 500, 2, 0},
      {1000, 1000, 4, 75},
      {245, 1000, 0, 76},               // a processor count of 0 counts as one
      {36'000'000, 36'000'000, 2, 50},  // ten hours between two samples
  };
  const std::int64_t idle0 = 123456789, sys0 = 987654321098;
  for (const Row& r : rows) {
    EXPECT_EQ(figureOf(ntCpuUsage(idle0, idle0 + r.idleMs * kMs, sys0, sys0 + r.elapsedMs * kMs,
                                  r.processors)),
              r.expected)
        << r.idleMs << " ms idle in " << r.elapsedMs << " ms on " << r.processors;
  }
}

TEST(NtCpuUsage, NoMeasurementFromCountersNoIntervalCanProduce) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  struct Row {
    const char* what;
    std::int64_t oldIdle, newIdle, oldSys, newSys;
    std::uint32_t processors;
  };
  const Row rows[] = {
      {"the clock set back", 0, 100 * kMs, 5000 * kMs, 4000 * kMs, 1},
      {"idle going back", 500 * kMs, 0, 0, 1000 * kMs, 1},
      // Idle fell by more than the total: read naively, -66 %, and 0 % once clamped.
      {"both going back", 800 * kMs, 300 * kMs, 500 * kMs, 200 * kMs, 1},
      {"idle beyond the time", 0, 1001 * kMs, 0, 500 * kMs, 2},
      {"idle one unit beyond the rounding", 0, 2 * (500 * kMs + 1) + 1, 0, 500 * kMs, 2},
      {"counters wrapped", kMax - 10 * kMs, 5 * kMs, kMax - 20 * kMs, 10 * kMs, 1},
      {"extremes", kMin, kMax, kMax, kMin, 1},
      {"extremes, idle back", kMax, kMin, 0, 1, 1},
      {"idle back with no time", 5 * kMs, 0, 42, 42, 1},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ntCpuUsage(r.oldIdle, r.newIdle, r.oldSys, r.newSys, r.processors).kind,
              NtLoad::Kind::NoMeasurement)
        << r.what;
  }
}

TEST(NtCpuUsage, IdleWithinTheRoundingOfTheElapsedTimeIsAnIdleMachine) {
  // Three processors fully idle: 3 s of idle time in a second that reads as 9999999 units,
  // the per-processor time rounded down.
  EXPECT_EQ(figureOf(ntCpuUsage(0, 30'000'000, 0, 9'999'999, 3)), 0);
  EXPECT_EQ(figureOf(ntCpuUsage(0, 2 * (500 * kMs + 1), 0, 500 * kMs, 2)), 0);
  // The far end of the counters stays defined.
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(figureOf(ntCpuUsage(0, kMax, 0, kMax, 1)), 0);
  EXPECT_EQ(figureOf(ntCpuUsage(0, 0, 0, kMax, 1)), 100);
}

TEST(NtCpuUsage, NoFigureFromAnEmptyInterval) {
  EXPECT_EQ(ntCpuUsage(0, 0, 42, 42, 1).kind, NtLoad::Kind::EmptyInterval);
  // Would read as 300 %.
  EXPECT_EQ(ntCpuUsage(0, 2 * kMs, 42, 42, 1).kind, NtLoad::Kind::EmptyInterval);
}

TEST(Currency, ConvertsFromDoubleWithTiesToEvenAndTakesTheWholePartDownwards) {
  EXPECT_EQ(Currency::fromDouble(0.03125).raw, 312);  // 312.5
  EXPECT_EQ(Currency::fromDouble(0.09375).raw, 938);  // 937.5
  EXPECT_EQ(Currency::fromDouble(-0.03125).raw, -312);
  EXPECT_EQ(Currency::fromDouble(1e300).raw, std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Currency::fromRaw(19999).wholePart(), 1);
  EXPECT_EQ(Currency::fromRaw(-1).wholePart(), -1);
  EXPECT_EQ(Currency::fromRaw(-10000).wholePart(), -1);
  EXPECT_EQ(Currency::fromRaw(-10001).wholePart(), -2);
  EXPECT_DOUBLE_EQ(Currency::fromRaw(12345678).toDouble(), 1234.5678);
}

}  // namespace
}  // namespace slumbrix
