#include <gtest/gtest.h>

#include "actions/mod_shutdown.h"
#include "platform/windows_values.h"
#include "support/fake_platform.h"

namespace slumbrix {
namespace {

using test::FakePlatform;
using test::FakeWindowsVersion;

TEST(GetWindowsVersion, ClassifiesPlatformAndVersion) {
  struct Row {
    std::uint32_t platformId, major, minor;
    std::int32_t lngPlatform, lngVersion;
    const char* name;
  };
  const Row rows[] = {
      {0, 3, 10, 0, 0, "Windows 32"},  {1, 4, 0, 1, 1, "Windows 95"},
      {1, 4, 10, 1, 2, "Windows 98"},  {1, 7, 10, 1, 2, "Windows 98"},
      {1, 4, 90, 1, 3, "Windows ME"},  {1, 4, 3, 1, 0, "Windows 32"},
      {2, 3, 51, 2, 4, "Windows NT"},  {2, 4, 0, 2, 4, "Windows NT"},
      {2, 5, 0, 2, 5, "Windows 2000"}, {2, 5, 1, 2, 6, "Windows XP"},
      {2, 5, 2, 2, 0, "Windows 32"},   {2, 6, 0, 2, 0, "Windows 32"},
      {2, 6, 1, 2, 0, "Windows 32"},   {3, 5, 1, 0, 0, "Windows 32"},
  };
  for (const Row& row : rows) {
    FakePlatform p;
    p.version = FakeWindowsVersion{0, row.major, row.minor, 1234, row.platformId};
    const WindowsVersionInfo info = modShutdown::GetWindowsVersion(p);
    SCOPED_TRACE(testing::Message() << row.platformId << " " << row.major << "." << row.minor);
    EXPECT_EQ(info.lngPlatform, row.lngPlatform);
    EXPECT_EQ(info.lngVersion, row.lngVersion);
    EXPECT_EQ(info.lngBuild, 1234);
    EXPECT_EQ(modShutdown::GetWindowsName(p), row.name);
  }
}

TEST(GetWindowsVersion, WritesTheVersionAsMajorDotMinor) {
  FakePlatform p;
  p.version = test::windows::k98;
  EXPECT_EQ(modShutdown::GetWindowsVersion(p).strVersion, "4.10");
  p.version = test::windows::kXp;
  EXPECT_EQ(modShutdown::GetWindowsVersion(p).strVersion, "5.1");
}

TEST(GetWindowsVersion, AsksWithAZeroedRecordOfItsSizeEveryTime) {
  FakePlatform p;
  (void)modShutdown::GetWindowsVersion(p);
  (void)modShutdown::GetWindowsVersion(p);
  const auto calls = p.named("GetVersionExA");
  ASSERT_EQ(calls.size(), 2u);
  using L = OsVersionInfoLayout;
  std::vector<std::uint8_t> expected(L::kSize, 0);
  expected[L::kOSVersionInfoSize] = 148;
  EXPECT_EQ(calls[0].records.at(0), expected);
}

TEST(GetWindowsVersion, AFailedQueryIsAnUnknownWindows) {
  FakePlatform p;
  p.failGetVersionEx = true;
  const WindowsVersionInfo info = modShutdown::GetWindowsVersion(p);
  EXPECT_EQ(info.lngPlatform, 0);
  EXPECT_EQ(info.lngVersion, 0);
  EXPECT_EQ(modShutdown::GetWindowsName(p), "Windows 32");
}

TEST(WindowsName, IsEmptyOutsideTheKnownCodes) {
  EXPECT_EQ(modShutdown::WindowsName(-1), "");
  EXPECT_EQ(modShutdown::WindowsName(7), "");
}

TEST(WhichWindows32, IsOneExactlyWhenBit31IsClear) {
  const std::pair<std::uint32_t, std::int32_t> rows[] = {
      {0x80000A04u, 0}, {0xC0000A04u, 0}, {0x0A280105u, 1}, {0x7FFFFFFFu, 1}, {0x80000000u, 0}};
  for (const auto& [word, expected] : rows) {
    FakePlatform p;
    p.version.versionWord = word;
    EXPECT_EQ(modShutdown::WhichWindows32(p), expected) << std::hex << word;
  }
}

}  // namespace
}  // namespace slumbrix
