#include "cpu/cls_cpu_usage_nt.h"

#include <gtest/gtest.h>

#include "platform/windows_values.h"
#include "support/fake_platform.h"

namespace slumbrix {
namespace {

constexpr std::int64_t kMs = 10000;

class NtProvider : public testing::Test {
 protected:
  void advance(std::int64_t elapsedMs, std::int64_t idleMs) {
    p.systemTime += elapsedMs * kMs;
    p.idleTime += idleMs * kMs;
  }
  // The NtQuerySystemInformation calls as (class, length) pairs.
  std::vector<std::pair<std::int64_t, std::int64_t>> requests() const {
    std::vector<std::pair<std::int64_t, std::int64_t>> out;
    for (const auto& c : p.named("NtQuerySystemInformation")) {
      EXPECT_EQ(c.args.at(2), 0) << "no return length asked";
      out.emplace_back(c.args.at(0), c.args.at(1));
    }
    return out;
  }

  test::FakePlatform p;
  clsCPUUsageNT provider{p};
};

TEST_F(NtProvider, AsksForTimeAndIdleAtStartAndForAllThreeAtEachQuery) {
  p.systemTime = 130000000000000000;
  provider.Initialize();
  using Basic = SystemBasicInformationLayout;
  using Performance = SystemPerformanceInformationLayout;
  using TimeOfDay = SystemTimeOfDayInformationLayout;
  const std::pair<std::int64_t, std::int64_t> basic{Basic::kClass, Basic::kSize};
  const std::pair<std::int64_t, std::int64_t> performance{Performance::kClass, Performance::kSize};
  const std::pair<std::int64_t, std::int64_t> timeOfDay{TimeOfDay::kClass, TimeOfDay::kSize};
  EXPECT_EQ(requests(), (decltype(requests()){timeOfDay, performance}));
  p.clear();
  (void)provider.Query();
  EXPECT_EQ(requests(), (decltype(requests()){basic, timeOfDay, performance}));
}

TEST_F(NtProvider, FirstFigureWithinTheStartTickIs100) {
  p.systemTime = 130000000000000000;
  provider.Initialize();
  p.idleTime += 2 * kMs;  // idle advance without a tick of the system time
  EXPECT_EQ(provider.Query(), 100);
}

TEST_F(NtProvider, EachFigureCoversTheTimeSinceThePreviousOne) {
  p.processors = 2;
  provider.Initialize();
  advance(500, 750);
  EXPECT_EQ(provider.Query(), 25);
  p.processors = 1;
  advance(1000, 333);
  EXPECT_EQ(provider.Query(), 67);
  advance(1000, 245);
  EXPECT_EQ(provider.Query(), 76);
}

TEST_F(NtProvider, EmptyIntervalRepeatsTheFigureAndKeepsTheBaseline) {
  provider.Initialize();
  advance(1000, 245);
  ASSERT_EQ(provider.Query(), 76);
  advance(0, 333);
  EXPECT_EQ(provider.Query(), 76);
  advance(1000, 0);
  EXPECT_EQ(provider.Query(), 67) << "333 ms idle in the 1000 ms since the last figure";
}

TEST_F(NtProvider, CountersNoIntervalCanProduceRepeatTheFigureAndMeasureOnFromThem) {
  p.processors = 2;
  p.systemTime = 130000000000000000;
  p.idleTime = 900000 * kMs;
  provider.Initialize();
  advance(500, 750);
  ASSERT_EQ(provider.Query(), 25);
  struct Step {
    const char* what;
    std::int64_t elapsedMs, idleMs;
    std::int32_t expected;
  };
  const Step steps[] = {
      {"idle falls by more than the time", -300, -800, 25},
      {"measured from the fallen counters", 500, 500, 50},
      {"idle going back alone", 500, -1, 50},
      {"the clock set back", -3600'000, 100, 50},
      {"measured from the set-back clock", 1000, 1000, 50},
      {"idle beyond the time", 500, 1001, 50},
      {"frozen counters", 0, 0, 50},
      {"the next after the frozen ones", 500, 250, 75},
      {"a consistent jump of ten hours", 36'000'000, 54'000'000, 25},
      {"measured on after the jump", 500, 500, 50},
  };
  for (const Step& step : steps) {
    advance(step.elapsedMs, step.idleMs);
    EXPECT_EQ(provider.Query(), step.expected) << step.what;
  }
  // Counters that wrap around to small values.
  p.systemTime = 10 * kMs;
  p.idleTime = 5 * kMs;
  EXPECT_EQ(provider.Query(), 50) << "wrapped";
  advance(500, 250);
  EXPECT_EQ(provider.Query(), 75) << "measured from the wrapped counters";
}

TEST_F(NtProvider, AFailedRequestIsMinusOneAndTheNextFigureSpansTheGap) {
  provider.Initialize();
  for (std::uint32_t failing : {0u, 3u, 2u}) {
    advance(1000, 0);
    p.failingClasses = {failing};
    EXPECT_EQ(provider.Query(), -1) << "class " << failing;
    p.failingClasses.clear();
  }
  advance(1000, 2000);
  EXPECT_EQ(provider.Query(), 50) << "2000 ms idle in the 4000 ms since the baseline";
}

TEST_F(NtProvider, AFailedStartKeepsTheZeroBaseline) {
  p.systemTime = 130000000000000000;
  p.idleTime = 3600000 * kMs;
  p.failingClasses = {2};
  provider.Initialize();
  p.failingClasses.clear();
  EXPECT_EQ(provider.Query(), 100);
}

}  // namespace
}  // namespace slumbrix
