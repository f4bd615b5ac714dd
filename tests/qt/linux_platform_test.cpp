// The Windows calls that the Linux platform answers without any service.
#include "platform/linux/linux_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "platform/windows_values.h"

namespace slumbrix {
namespace {

std::uint32_t word(const std::uint8_t* record, std::size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, record + offset, 4);
  return value;
}

std::int64_t quad(const std::uint8_t* record, std::size_t offset) {
  std::int64_t value = 0;
  std::memcpy(&value, record + offset, 8);
  return value;
}

TEST(LinuxPlatform, PresentsWindowsXp) {
  LinuxPlatform platform;
  EXPECT_EQ(platform.GetVersion() & 0x80000000u, 0u);
  EXPECT_EQ(platform.GetVersion() & 0xFFFFu, 0x0105u);

  using L = OsVersionInfoLayout;
  std::array<std::uint8_t, L::kSize> info{};
  info[L::kOSVersionInfoSize] = L::kSize;
  ASSERT_EQ(platform.GetVersionExA(info.data()), 1);
  EXPECT_EQ(word(info.data(), L::kMajorVersion), 5u);
  EXPECT_EQ(word(info.data(), L::kMinorVersion), 1u);
  EXPECT_EQ(word(info.data(), L::kPlatformId), 2u);

  std::array<std::uint8_t, L::kSize> wrongSize{};
  wrongSize[L::kOSVersionInfoSize] = 156;
  EXPECT_EQ(platform.GetVersionExA(wrongSize.data()), 0);
  EXPECT_EQ(word(wrongSize.data(), L::kPlatformId), 0u);
}

TEST(LinuxPlatform, SystemInformationFromProcStat) {
  using Basic = SystemBasicInformationLayout;
  using Performance = SystemPerformanceInformationLayout;
  using TimeOfDay = SystemTimeOfDayInformationLayout;
  LinuxPlatform platform;
  std::array<std::uint8_t, Basic::kSize> basic{};
  std::array<std::uint8_t, TimeOfDay::kSize> timeOfDay{};
  std::array<std::uint8_t, Performance::kSize> performance{};
  ASSERT_EQ(platform.NtQuerySystemInformation(Basic::kClass, basic.data(), Basic::kSize, nullptr),
            0);
  ASSERT_EQ(platform.NtQuerySystemInformation(TimeOfDay::kClass, timeOfDay.data(), TimeOfDay::kSize,
                                              nullptr),
            0);
  ASSERT_EQ(platform.NtQuerySystemInformation(Performance::kClass, performance.data(),
                                              Performance::kSize, nullptr),
            0);
  const int processors = basic[Basic::kNumberOfProcessors];
  EXPECT_GE(processors, 1);
  // Idle time is summed over the processors; it cannot exceed the elapsed time on all of them.
  const std::int64_t now = quad(timeOfDay.data(), TimeOfDay::kCurrentTime);
  EXPECT_GT(now, 0);
  EXPECT_LE(quad(performance.data(), Performance::kIdleTime), now * processors);

  std::uint32_t length = 0;
  EXPECT_EQ(platform.NtQuerySystemInformation(Basic::kClass, basic.data(), Basic::kSize, &length),
            0);
  EXPECT_EQ(length, Basic::kSize);
  EXPECT_EQ(
      platform.NtQuerySystemInformation(Performance::kClass, performance.data(), 300, nullptr),
      kStatusInfoLengthMismatch);
  EXPECT_EQ(platform.NtQuerySystemInformation(5, performance.data(), Performance::kSize, nullptr),
            kStatusInvalidInfoClass);
}

TEST(LinuxPlatform, NoRegistryAndPrivilegesWithoutEffect) {
  LinuxPlatform platform;
  Handle key = 77;
  EXPECT_NE(platform.RegOpenKeyExA(0x80000006, "PerfStats\\StatData", 0, 0x20019, &key), 0);
  EXPECT_EQ(key, 77u);
  std::uint32_t size = 4;
  std::uint8_t data[4] = {9, 9, 9, 9};
  EXPECT_NE(platform.RegQueryValueExA(key, "KERNEL\\CPUUsage", nullptr, nullptr, data, &size), 0);
  EXPECT_EQ(data[0], 9);

  Handle token = 0;
  ASSERT_NE(platform.OpenProcessToken(platform.GetCurrentProcess(), 0x28, &token), 0);
  EXPECT_NE(token, 0u);
  std::array<std::uint8_t, 8> luid{};
  EXPECT_NE(platform.LookupPrivilegeValueA("", "SeShutdownPrivilege", luid.data()), 0);
  std::array<std::uint8_t, 16> newState{1, 0, 0, 0, 19, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0};
  std::array<std::uint8_t, 16> previous{};
  std::uint32_t returned = 0;
  EXPECT_NE(
      platform.AdjustTokenPrivileges(token, 0, newState.data(), 16, previous.data(), &returned), 0);
  EXPECT_EQ(returned, 16u);
  EXPECT_EQ(word(previous.data(), 12), 0u);
}

// The zone comes from the C library and TZ, with its daylight-saving changes.
TEST(LinuxPlatform, LocalTimeOfUtcFollowsTheZone) {
  const char* saved = std::getenv("TZ");
  const std::string before = saved != nullptr ? saved : "";
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  LinuxPlatform platform;
  struct Row {
    std::int64_t utc;
    int day, hour, minute, second;
  };
  const Row rows[] = {
      {1774745999, 29, 1, 59, 59},  // 2026-03-29 00:59:59 UTC, the last second of winter time
      {1774746000, 29, 3, 0, 0},    // 01:00:00 UTC: summer time
      {1792889999, 25, 2, 59, 59},  // 2026-10-25 00:59:59 UTC
      {1792890000, 25, 2, 0, 0},    // 01:00:00 UTC: winter time again
  };
  for (const Row& row : rows) {
    LocalTime local;
    ASSERT_TRUE(platform.LocalFromUtc(row.utc, local)) << row.utc;
    EXPECT_EQ(local.year, 2026);
    EXPECT_EQ((std::array<int, 4>{local.day, local.hour, local.minute, local.second}),
              (std::array<int, 4>{row.day, row.hour, row.minute, row.second}))
        << row.utc;
  }
  LocalTime untouched{1999, 1, 2, 3, 4, 5, 6};
  EXPECT_FALSE(platform.LocalFromUtc(INT64_MAX, untouched));  // beyond any year
  EXPECT_EQ(untouched.year, 1999);

  const std::int64_t now = std::time(nullptr);
  const UtcTime utc = platform.NowUtc();
  EXPECT_LE(std::abs(utc.seconds - now), 1);
  EXPECT_GE(utc.millisecond, 0);
  EXPECT_LT(utc.millisecond, 1000);
  if (saved != nullptr)
    setenv("TZ", before.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

TEST(LinuxPlatform, NowHasMilliseconds) {
  LinuxPlatform platform;
  const LocalTime now = platform.Now();
  EXPECT_GE(now.year, 2020);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LT(now.millisecond, 1000);
  EXPECT_LE(now.second, 59);
}

}  // namespace
}  // namespace slumbrix

namespace slumbrix {
namespace {

TEST(LinuxPlatform, ShellExecuteRefusesWhatItCannotOpen) {
  LinuxPlatform platform;
  EXPECT_EQ(platform.ShellExecuteA(0, "print", "https://example.invalid/", nullptr, nullptr, 1),
            31u);
  EXPECT_EQ(platform.ShellExecuteA(0, nullptr, nullptr, nullptr, nullptr, 1), 2u);
  EXPECT_EQ(platform.ShellExecuteA(0, nullptr, "", nullptr, nullptr, 1), 2u);
}

TEST(LinuxPlatform, TheFirstInstanceRunsAndASecondIsTold) {
  char pattern[] = "/tmp/slumbrix-platform-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  setenv("XDG_RUNTIME_DIR", pattern, 1);
  {
    LinuxPlatform first;
    EXPECT_FALSE(first.PrevInstance());
    EXPECT_FALSE(first.PrevInstance());  // it holds the right to run
    LinuxPlatform second;
    EXPECT_TRUE(second.PrevInstance());
  }
  LinuxPlatform later;
  EXPECT_FALSE(later.PrevInstance());
  unsetenv("XDG_RUNTIME_DIR");
  std::filesystem::remove_all(pattern);
}

}  // namespace
}  // namespace slumbrix
