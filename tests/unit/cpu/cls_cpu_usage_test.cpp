#include "cpu/cls_cpu_usage.h"

#include <gtest/gtest.h>

#include "cpu/md_misc.h"
#include "platform/windows_values.h"
#include "support/fake_platform.h"

namespace slumbrix {
namespace {

TEST(Cpu95Provider, StartsReadsAndStopsTheStatistic) {
  test::FakePlatform p;
  p.cpuUsageValue = 37;
  clsCPUUsage provider(p);
  provider.Initialize();
  EXPECT_EQ(provider.Query(), 37);
  provider.Terminate();
  const std::vector<std::string> expected = {
      "RegOpenKeyExA 80000006 0 f003f \"PerfStats\\StartStat\"",
      "RegQueryValueExA 100 0 4 \"KERNEL\\CPUUsage\"",
      "RegCloseKey 100",
      "RegOpenKeyExA 80000006 0 20019 \"PerfStats\\StatData\"",
      "RegQueryValueExA 101 0 4 \"KERNEL\\CPUUsage\"",
      "RegCloseKey 101",
      "RegOpenKeyExA 80000006 0 f003f \"PerfStats\\StopStat\"",
      "RegQueryValueExA 102 0 4 \"KERNEL\\CPUUsage\"",
      "RegCloseKey 102",
  };
  EXPECT_EQ(p.trace(), expected);
}

TEST(Cpu95Provider, ReadsTheWholeValueClampedToAPercent) {
  const std::pair<std::uint32_t, std::int32_t> rows[] = {
      {0, 0}, {1, 1}, {100, 100}, {101, 100}, {256, 100}, {300, 100}, {0xFFFFFFFFu, 100}};
  for (const auto& [value, expected] : rows) {
    test::FakePlatform p;
    clsCPUUsage provider(p);
    provider.Initialize();
    p.cpuUsageValue = value;
    EXPECT_EQ(provider.Query(), expected) << value;
  }
}

TEST(Cpu95Provider, AnUnreadableStatisticIsAFailedMeasurement) {
  test::FakePlatform p;
  clsCPUUsage provider(p);
  provider.Initialize();
  p.cpuUsageValue = 40;
  ASSERT_EQ(provider.Query(), 40);
  p.failRegistryReads = true;
  EXPECT_EQ(provider.Query(), -1) << "not the former figure again";
  p.failRegistryReads = false;
  EXPECT_EQ(provider.Query(), 40);
}

TEST(Cpu95Provider, WithoutTheStatisticKeysEveryQueryFails) {
  for (const char* missing : {"PerfStats\\StartStat", "PerfStats\\StatData"}) {
    test::FakePlatform p;
    p.registryKeys.erase(missing);
    p.cpuUsageValue = 10;
    clsCPUUsage provider(p);
    provider.Initialize();
    EXPECT_EQ(provider.Query(), -1) << missing;
    EXPECT_EQ(provider.Query(), -1) << missing;
    p.clear();
    provider.Terminate();
    // Nothing is closed that was never opened; stopping the statistic is still asked for.
    EXPECT_EQ(p.named("RegCloseKey").size(), 1u);
    EXPECT_EQ(p.named("RegOpenKeyExA").at(0).strings.at(0), "PerfStats\\StopStat");
  }
}

TEST(IsWindowsNT, TellsTheFamilyFromThePlatformId) {
  const std::pair<test::FakeWindowsVersion, VbBool> rows[] = {
      {test::windows::k95, kVbFalse},  {test::windows::k98, kVbFalse},
      {test::windows::kMe, kVbFalse},  {test::windows::kNt4, kVbTrue},
      {test::windows::k2000, kVbTrue}, {test::windows::kXp, kVbTrue},
      {{0, 5, 1, 0, 0x102}, kVbFalse}};
  for (const auto& [version, expected] : rows) {
    test::FakePlatform p;
    p.version = version;
    EXPECT_EQ(mdMisc::IsWindowsNT(p), expected) << version.major << "." << version.minor;
  }
  test::FakePlatform failing;
  failing.failGetVersionEx = true;
  EXPECT_EQ(mdMisc::IsWindowsNT(failing), kVbFalse);
  using L = OsVersionInfoLayout;
  std::vector<std::uint8_t> request(L::kSize, 0);
  request[L::kOSVersionInfoSize] = 148;
  EXPECT_EQ(failing.named("GetVersionExA").at(0).records.at(0), request);
}

}  // namespace
}  // namespace slumbrix
