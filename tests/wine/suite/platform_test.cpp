// The Windows platform under Wine: records passed through unchanged, failures as stated,
// and the late-bound calls with their real prototypes.
#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "platform/win32/late_bound.h"
#include "platform/win32/win32_platform.h"
#include "platform/windows_values.h"

namespace slumbrix::wine {
namespace {

using namespace slumbrix::win32;

constexpr Handle kCurrentUser = 0x80000001;

TEST(Win32PlatformTest, VersionWordAndRecordAgree) {
  Win32Platform platform;
  using L = OsVersionInfoLayout;
  std::array<std::uint8_t, L::kSize> info{};
  info[L::kOSVersionInfoSize] = L::kSize;
  ASSERT_NE(platform.GetVersionExA(info.data()), 0);
  const bool ntFamily = info[L::kPlatformId] == kVerPlatformWin32Nt;
  EXPECT_EQ((platform.GetVersion() & kVersionNotNtBit) == 0, ntFamily);
  EXPECT_EQ(platform.GetVersion() & 0xFF, info[L::kMajorVersion]);  // major version, low byte

  std::array<std::uint8_t, L::kSize> wrongSize{};
  wrongSize[L::kOSVersionInfoSize] = 12;
  wrongSize[L::kCSDVersion] = 'x';
  EXPECT_EQ(platform.GetVersionExA(wrongSize.data()), 0);
  EXPECT_EQ(wrongSize[L::kCSDVersion], 'x');  // left as it was
}

TEST(Win32PlatformTest, FailedRegistryCallsLeaveTheirOutputsAlone) {
  Win32Platform platform;
  Handle key = 77;
  EXPECT_NE(
      platform.RegOpenKeyExA(kCurrentUser, "Software\\NoSuchKey\\Slumbrix", 0, KEY_READ, &key), 0);
  EXPECT_EQ(key, 77u);
  ASSERT_EQ(platform.RegOpenKeyExA(kCurrentUser, "Software", 0, KEY_READ, &key), 0);
  std::uint8_t data[4] = {1, 2, 3, 4};
  std::uint32_t size = 4;
  std::uint32_t type = 9;
  EXPECT_NE(platform.RegQueryValueExA(key, "NoSuchValue", nullptr, &type, data, &size), 0);
  EXPECT_EQ(data[0], 1);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(type, 9u);
  EXPECT_EQ(platform.RegCloseKey(key), 0);
}

TEST(Win32PlatformTest, PrivilegeRecordsPassThrough) {
  Win32Platform platform;
  Handle token = 0;
  ASSERT_NE(platform.OpenProcessToken(platform.GetCurrentProcess(), 0x28, &token), 0);
  std::array<std::uint8_t, 16> enable{};
  ASSERT_NE(platform.LookupPrivilegeValueA("", "SeShutdownPrivilege", enable.data() + 4), 0);
  enable[0] = 1;
  enable[12] = 2;  // SE_PRIVILEGE_ENABLED
  std::array<std::uint8_t, 16> previous{};
  std::uint32_t length = 0;
  EXPECT_NE(platform.AdjustTokenPrivileges(token, 0, enable.data(), 16, previous.data(), &length),
            0);
  EXPECT_EQ(length, 16u);
  EXPECT_EQ(std::memcmp(previous.data() + 4, enable.data() + 4, 8), 0);  // the same LUID
  EXPECT_NE(platform.CloseHandle(token), 0);
}

TEST(Win32PlatformTest, OnlyTheFirstInstanceMayRun) {
  auto first = std::make_unique<Win32Platform>("Slumbrix.Test.Instance");
  Win32Platform second("Slumbrix.Test.Instance");
  EXPECT_FALSE(first->PrevInstance());
  EXPECT_FALSE(first->PrevInstance());  // asked again, it still holds the right
  EXPECT_TRUE(second.PrevInstance());
  first.reset();
  EXPECT_FALSE(second.PrevInstance());
}

TEST(Win32PlatformTest, LocaleAndClockComeFromTheSystem) {
  Win32Platform platform;
  const LocaleFormats formats = platform.GetLocaleFormats();
  char shortDate[80] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDate, sizeof shortDate);
  EXPECT_EQ(formats.shortDate, shortDate);
  EXPECT_FALSE(formats.longTime.empty());
  SYSTEMTIME before;
  GetLocalTime(&before);
  const LocalTime now = platform.Now();
  EXPECT_EQ(now.year, before.wYear);
  EXPECT_GE(now.month, 1);
}

// The zone's rules give the same local clock as the system: the local time of the present
// UTC moment is the present local time, to the minute.
TEST(Win32PlatformTest, LocalTimeOfUtcMatchesTheSystemsClock) {
  Win32Platform platform;
  const UtcTime utc = platform.NowUtc();
  SYSTEMTIME system;
  GetLocalTime(&system);
  LocalTime local;
  ASSERT_TRUE(platform.LocalFromUtc(utc.seconds, local));
  const int minutes = local.hour * 60 + local.minute;
  const int expected = system.wHour * 60 + system.wMinute;
  EXPECT_LE(std::abs(minutes - expected) % (24 * 60 - 1), 1);
}

// ---- Late binding ------------------------------------------------------------------------

BOOLEAN gotHibernate = 9, gotForce = 9, gotWake = 9;

BOOLEAN WINAPI recordSuspend(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wake) {
  gotHibernate = hibernate;
  gotForce = force;
  gotWake = wake;
  return TRUE;
}

// A BOOLEAN FALSE in AL with the rest of EAX set, as a real function may leave it. The
// 32-bit function removes its three arguments from the stack itself.
extern "C" __attribute__((naked)) BOOLEAN WINAPI falseWithDirtyRegister(BOOLEAN, BOOLEAN, BOOLEAN) {
#ifdef __x86_64__
  __asm__("movl $0xFFFFFF00, %eax\n\tret");
#else
  __asm__("movl $0xFFFFFF00, %eax\n\tret $12");
#endif
}

TEST(LateBoundTest, MissingFunctionsFailAsThePlatformStates) {
  EXPECT_EQ(findFunction("user32.dll", "NoSuchFunctionInUser32"), nullptr);
  EXPECT_EQ(findFunction("nosuchlibrary.dll", "SetSuspendState"), nullptr);
  EXPECT_NE(findFunction("kernel32.dll", "GetVersion"), nullptr);
  EXPECT_EQ(callLockWorkStation(nullptr), 0);
  EXPECT_EQ(callSetSuspendState(nullptr, 0, 0, 0), 0);
  EXPECT_NE(callNtQuerySystemInformation(nullptr, 0, nullptr, 0, nullptr), 0);
}

TEST(LateBoundTest, SetSuspendStateTakesAndReturnsBoolean) {
  EXPECT_EQ(callSetSuspendState(recordSuspend, 0, 0xFFFFFFFFu, 0), 1);
  EXPECT_EQ(gotHibernate, FALSE);
  EXPECT_EQ(gotForce, TRUE);  // the widened boolean arrives as TRUE
  EXPECT_EQ(gotWake, FALSE);
  EXPECT_EQ(callSetSuspendState(falseWithDirtyRegister, 0, 0, 0), 0);
}

}  // namespace
}  // namespace slumbrix::wine
