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
