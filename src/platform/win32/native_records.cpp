#include "platform/win32/native_records.h"

#include <algorithm>
#include <limits>

#include "platform/win32/handles.h"

namespace slumbrix::win32 {

namespace {

// Field offsets of the core's 32-bit records.
namespace tray {
constexpr std::size_t kHWnd = 4;
constexpr std::size_t kUId = 8;
constexpr std::size_t kUFlags = 12;
constexpr std::size_t kUCallbackMessage = 16;
constexpr std::size_t kHIcon = 20;
constexpr std::size_t kSzTip = 24;
constexpr std::size_t kTipLength = 64;
}  // namespace tray

namespace basic {
constexpr std::size_t kReserved = 0;
constexpr std::size_t kMaximumIncrement = 4;
constexpr std::size_t kPhysicalPageSize = 8;
constexpr std::size_t kNumberOfPhysicalPages = 12;
constexpr std::size_t kLowestPhysicalPage = 16;
constexpr std::size_t kHighestPhysicalPage = 20;
constexpr std::size_t kAllocationGranularity = 24;
constexpr std::size_t kLowestUserAddress = 28;
constexpr std::size_t kHighestUserAddress = 32;
constexpr std::size_t kActiveProcessors = 36;
constexpr std::size_t kNumberOfProcessors = 40;
}  // namespace basic

static_assert(sizeof(NOTIFYICONDATAA{}.szTip) >= tray::kTipLength);
// The classes passed straight through: no pointer-sized field, the same layout on both builds.
static_assert(sizeof(SYSTEM_PERFORMANCE_INFORMATION) == 312);
static_assert(offsetof(SYSTEM_TIMEOFDAY_INFORMATION, CurrentTime) == 8);

std::uint32_t readWord(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void writeWord(std::uint8_t* p, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t narrowAddress(ULONG_PTR address) {
  constexpr ULONG_PTR kHighest = std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(std::min(address, kHighest));
}

}  // namespace

NOTIFYICONDATAA toNativeNotifyIconData(const std::uint8_t* record) {
  NOTIFYICONDATAA native{};
  native.cbSize = NOTIFYICONDATAA_V1_SIZE;
  native.hWnd = fromHandle<HWND>(readWord(record + tray::kHWnd));
  native.uID = readWord(record + tray::kUId);
  native.uFlags = readWord(record + tray::kUFlags);
  native.uCallbackMessage = readWord(record + tray::kUCallbackMessage);
  native.hIcon = fromHandle<HICON>(readWord(record + tray::kHIcon));
  std::copy_n(record + tray::kSzTip, tray::kTipLength,
              reinterpret_cast<std::uint8_t*>(native.szTip));
  return native;
}

void toBasicInformationRecord(const SYSTEM_BASIC_INFORMATION& native, std::uint8_t* record) {
  std::fill_n(record, kBasicInformationRecordSize, std::uint8_t{0});
  std::uint32_t reserved = 0;
  static_assert(sizeof native.Reserved1 == sizeof reserved);
  std::copy_n(native.Reserved1, sizeof reserved, reinterpret_cast<BYTE*>(&reserved));
  writeWord(record + basic::kReserved, reserved);
  writeWord(record + basic::kMaximumIncrement, native.MaximumIncrement);
  writeWord(record + basic::kPhysicalPageSize, native.PhysicalPageSize);
  writeWord(record + basic::kNumberOfPhysicalPages, native.NumberOfPhysicalPages);
  writeWord(record + basic::kLowestPhysicalPage, native.LowestPhysicalPage);
  writeWord(record + basic::kHighestPhysicalPage, native.HighestPhysicalPage);
  writeWord(record + basic::kAllocationGranularity, native.AllocationGranularity);
  writeWord(record + basic::kLowestUserAddress, narrowAddress(native.LowestUserAddress));
  writeWord(record + basic::kHighestUserAddress, narrowAddress(native.HighestUserAddress));
  writeWord(record + basic::kActiveProcessors,
            static_cast<std::uint32_t>(native.ActiveProcessors & 0xFFFFFFFFu));
  record[basic::kNumberOfProcessors] = static_cast<std::uint8_t>(native.NumberOfProcessors);
}

std::int32_t querySystemInformation(NtQuerySystemInformationFn fn, std::uint32_t informationClass,
                                    std::uint8_t* information, std::uint32_t length,
                                    std::uint32_t* returnLength) {
  if (informationClass != kSystemBasicInformation)
    return callNtQuerySystemInformation(fn, informationClass, information, length, returnLength);
  if (information == nullptr || length != kBasicInformationRecordSize)
    return kStatusInfoLengthMismatch;
  SYSTEM_BASIC_INFORMATION native{};
  const std::int32_t status = callNtQuerySystemInformation(
      fn, informationClass, reinterpret_cast<std::uint8_t*>(&native), sizeof native, nullptr);
  if (status != 0) return status;
  toBasicInformationRecord(native, information);
  if (returnLength != nullptr) *returnLength = kBasicInformationRecordSize;
  return status;
}

}  // namespace slumbrix::win32
