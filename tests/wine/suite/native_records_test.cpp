// The seam between the core's 32-bit records and the native structures, on both builds:
// the tray record as the shell of the build takes it, handles widened with sign extension,
// and the system information that the NT provider computes from.
#include <windows.h>
// after windows.h, which they need
#include <shellapi.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/byte_record.h"
#include "platform/win32/handles.h"
#include "platform/win32/native_records.h"
#include "platform/win32/win32_platform.h"
#include "platform/windows_values.h"

namespace slumbrix::wine {
namespace {

using namespace slumbrix::win32;

constexpr bool k64Bit = sizeof(void*) == 8;

template <class H>
H widened(std::int32_t value) {
  return reinterpret_cast<H>(static_cast<std::intptr_t>(value));
}

TEST(NativeRecordsTest, TheTrayRecordBecomesTheNativeFirstForm) {
  // The core's record: cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon, then the tip (its
  // text, a NUL and blanks).
  using L = NotifyIconDataLayout;
  std::array<std::uint8_t, L::kSize> bytes{};
  record::writeU32(bytes, L::kCbSize, 88);
  record::writeU32(bytes, L::kHWnd, 0x00010020);
  record::writeU32(bytes, L::kUID, 1);
  record::writeU32(bytes, L::kUFlags, 7);
  record::writeU32(bytes, L::kUCallbackMessage, 0x200);
  record::writeU32(bytes, L::kHIcon,
                   0x80000006);  // a negative handle: only sign extension keeps it
  const char tip[] = "Reboot on 10:00:00 PM";
  std::fill(bytes.begin() + L::kSzTip, bytes.end(), ' ');
  std::memcpy(bytes.data() + L::kSzTip, tip, sizeof tip);

  const NOTIFYICONDATAA native = toNativeNotifyIconData(bytes.data());
  // The shell reads cbSize to tell the forms apart; Wine takes any size, Windows does not.
  EXPECT_EQ(native.cbSize, k64Bit ? 104u : 88u);
  EXPECT_EQ(offsetof(NOTIFYICONDATAA, hWnd), k64Bit ? 8u : 4u);
  EXPECT_EQ(offsetof(NOTIFYICONDATAA, hIcon), k64Bit ? 32u : 20u);
  EXPECT_EQ(offsetof(NOTIFYICONDATAA, szTip), k64Bit ? 40u : 24u);
  EXPECT_EQ(native.hWnd, widened<HWND>(0x00010020));
  EXPECT_EQ(native.hIcon, widened<HICON>(static_cast<std::int32_t>(0x80000006)));
  EXPECT_EQ(native.uID, 1u);
  EXPECT_EQ(native.uFlags, 7u);
  EXPECT_EQ(native.uCallbackMessage, 0x200u);
  EXPECT_STREQ(native.szTip, "Reboot on 10:00:00 PM");
  // The blanks after the NUL too.
  EXPECT_EQ(std::memcmp(native.szTip, bytes.data() + L::kSzTip, L::kTipLength), 0);
  // Nothing of the later forms is set.
  const auto* raw = reinterpret_cast<const std::uint8_t*>(&native);
  for (std::size_t i = native.cbSize; i < sizeof native; ++i) ASSERT_EQ(raw[i], 0) << "byte " << i;
}

TEST(NativeRecordsTest, HandlesWidenWithSignExtensionAndNarrowBack) {
  EXPECT_EQ(fromHandle<HKEY>(0x80000006), HKEY_DYN_DATA);
  EXPECT_EQ(fromHandle<HKEY>(0x80000001), HKEY_CURRENT_USER);
  EXPECT_EQ(toHandle(GetCurrentProcess()), 0xFFFFFFFFu);
  EXPECT_EQ(toHandle(GetCurrentThread()), 0xFFFFFFFEu);
  EXPECT_EQ(fromHandle<HANDLE>(0xFFFFFFFFu), GetCurrentProcess());
  EXPECT_EQ(fromHandle<HANDLE>(0xFFFFFFFEu), GetCurrentThread());
  EXPECT_EQ(fromHandle<HWND>(0x00010020), widened<HWND>(0x00010020));
}

TEST(NativeRecordsTest, ThePseudoHandlesReachTheirProcessAndThread) {
  // A zero-extended pseudo-handle is no handle at all: the calls would fail.
  Win32Platform platform;
  ASSERT_NE(platform.SetThreadPriority(platform.GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL),
            0);
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_ABOVE_NORMAL);
  EXPECT_NE(platform.SetThreadPriority(platform.GetCurrentThread(), THREAD_PRIORITY_NORMAL), 0);
  ASSERT_NE(platform.SetPriorityClass(platform.GetCurrentProcess(), HIGH_PRIORITY_CLASS), 0);
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
  EXPECT_NE(platform.SetPriorityClass(platform.GetCurrentProcess(), NORMAL_PRIORITY_CLASS), 0);
  Handle token = 0;
  ASSERT_NE(platform.OpenProcessToken(platform.GetCurrentProcess(), TOKEN_QUERY, &token), 0);
  EXPECT_NE(platform.CloseHandle(token), 0);
}

TEST(NativeRecordsTest, BasicInformationIsWrittenFieldByFieldIn32BitLayout) {
  SYSTEM_BASIC_INFORMATION native{};
  const std::uint8_t reserved[4] = {1, 2, 3, 4};
  std::memcpy(native.Reserved1, reserved, 4);
  native.MaximumIncrement = 156250;
  native.PhysicalPageSize = 4096;
  native.NumberOfPhysicalPages = 0x00123456;
  native.LowestPhysicalPage = 1;
  native.HighestPhysicalPage = 0x00123455;
  native.AllocationGranularity = 0x10000;
  native.LowestUserAddress = 0x10000;
  native.HighestUserAddress = std::numeric_limits<ULONG_PTR>::max() - 0xFFFF;
  native.ActiveProcessors = static_cast<ULONG_PTR>(0x80000003);
  native.NumberOfProcessors = 12;
  using B = SystemBasicInformationLayout;
  std::array<std::uint8_t, B::kSize> basic;
  basic.fill(0xCC);

  toBasicInformationRecord(native, basic.data());
  EXPECT_EQ(record::readU32(basic, B::kReserved), 0x04030201u);
  EXPECT_EQ(record::readU32(basic, B::kMaximumIncrement), 156250u);
  EXPECT_EQ(record::readU32(basic, B::kPhysicalPageSize), 4096u);
  EXPECT_EQ(record::readU32(basic, B::kNumberOfPhysicalPages), 0x00123456u);
  EXPECT_EQ(record::readU32(basic, B::kLowestPhysicalPage), 1u);
  EXPECT_EQ(record::readU32(basic, B::kHighestPhysicalPage), 0x00123455u);
  EXPECT_EQ(record::readU32(basic, B::kAllocationGranularity), 0x10000u);
  EXPECT_EQ(record::readU32(basic, B::kLowestUserAddress), 0x10000u);
  // Above 4 GiB on the 64-bit build: the highest 32-bit address stands for it.
  EXPECT_EQ(record::readU32(basic, B::kHighestUserAddress), k64Bit ? 0xFFFFFFFFu : 0xFFFF0000u);
  EXPECT_EQ(record::readU32(basic, B::kActiveProcessors), 0x80000003u);
  EXPECT_EQ(basic[B::kNumberOfProcessors], 12);
  // The padding after the count is zero.
  EXPECT_EQ(record::readU32(basic, B::kNumberOfProcessors), 12u);
}

TEST(NativeRecordsTest, TheNtProviderGetsTheSystemsFiguresInItsRecords) {
  Win32Platform platform;
  SYSTEM_INFO system;
  GetSystemInfo(&system);

  using Basic = SystemBasicInformationLayout;
  using Performance = SystemPerformanceInformationLayout;
  using TimeOfDay = SystemTimeOfDayInformationLayout;
  std::array<std::uint8_t, Basic::kSize> basic{};
  std::uint32_t written = 0;
  ASSERT_EQ(platform.NtQuerySystemInformation(Basic::kClass, basic.data(), Basic::kSize, &written),
            0);
  EXPECT_EQ(written, Basic::kSize);
  EXPECT_EQ(basic[Basic::kNumberOfProcessors], system.dwNumberOfProcessors);
  EXPECT_EQ(record::readU32(basic, Basic::kPhysicalPageSize), system.dwPageSize);
  EXPECT_EQ(record::readU32(basic, Basic::kAllocationGranularity), system.dwAllocationGranularity);

  // Only the record's own size: a wrong one fails and leaves the buffer alone.
  std::array<std::uint8_t, 64> wrong;
  wrong.fill(0xCC);
  EXPECT_EQ(platform.NtQuerySystemInformation(Basic::kClass, wrong.data(), 64, nullptr),
            kStatusInfoLengthMismatch);
  EXPECT_EQ(wrong[Basic::kNumberOfProcessors], 0xCC);

  std::array<std::uint8_t, Performance::kSize> performance{};
  EXPECT_EQ(platform.NtQuerySystemInformation(Performance::kClass, performance.data(),
                                              Performance::kSize, nullptr),
            0);
  EXPECT_NE(record::readI64(performance, Performance::kIdleTime), 0);

  std::array<std::uint8_t, TimeOfDay::kSize> timeOfDay{};
  ASSERT_EQ(platform.NtQuerySystemInformation(TimeOfDay::kClass, timeOfDay.data(), TimeOfDay::kSize,
                                              &written),
            0);
  EXPECT_GT(written, 0u);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const auto current =
      static_cast<std::uint64_t>(record::readI64(timeOfDay, TimeOfDay::kCurrentTime));
  const std::uint64_t expected = std::uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime;
  const std::uint64_t tenSeconds = 100'000'000;  // in 100 ns units
  EXPECT_LT(expected > current ? expected - current : current - expected, tenSeconds);
}

}  // namespace
}  // namespace slumbrix::wine
