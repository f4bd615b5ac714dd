#include "cpu/nt_load.h"

#include <gtest/gtest.h>

#include <limits>

namespace slumbrix {
namespace {

constexpr std::int64_t kMs = 10000;  // 100 ns units in a millisecond

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
      {0, 500, 1, 100},    {500, 500, 1, 0},
      {1000, 1000, 4, 75}, {245, 1000, 0, 76},  // a processor count of 0 counts as one
      {1001, 500, 2, 0},                        // coarse counters: y 0.4
      {1010, 500, 2, 0},                        // y -0.5 would be -1, the failure value
      {1020, 500, 2, 0},                        // y -1.5
      {5, 1, 1, 0},
  };
  const std::int64_t idle0 = 123456789, sys0 = 987654321098;
  for (const Row& r : rows) {
    EXPECT_EQ(
        ntCpuUsage(idle0, idle0 + r.idleMs * kMs, sys0, sys0 + r.elapsedMs * kMs, r.processors),
        r.expected)
        << r.idleMs << " ms idle in " << r.elapsedMs << " ms on " << r.processors;
  }
}

TEST(NtCpuUsage, StaysInRangeWhenTheClockGoesBack) {
  // The system time set back by a second while 100 ms of idle time passed.
  EXPECT_EQ(ntCpuUsage(0, 100 * kMs, 5000 * kMs, 4000 * kMs, 1), 100);
  // The idle counter going back.
  EXPECT_EQ(ntCpuUsage(500 * kMs, 0, 0, 1000 * kMs, 1), 100);
}

TEST(NtCpuUsage, NoFigureFromAnEmptyInterval) {
  EXPECT_EQ(ntCpuUsage(0, 0, 42, 42, 1), std::nullopt);
  EXPECT_EQ(ntCpuUsage(0, 2 * kMs, 42, 42, 1), std::nullopt);  // would read as 300 %
}

TEST(NtCpuUsage, ExtremeCountersStayDefined) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  for (const auto& [oi, ni, os, ns] : {std::array<std::int64_t, 4>{kMin, kMax, kMax, kMin},
                                       std::array<std::int64_t, 4>{0, kMax, 0, 1},
                                       std::array<std::int64_t, 4>{kMax, kMin, 1, 0}}) {
    const auto figure = ntCpuUsage(oi, ni, os, ns, 1);
    ASSERT_TRUE(figure.has_value());
    EXPECT_GE(*figure, 0);
    EXPECT_LE(*figure, 100);
  }
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
