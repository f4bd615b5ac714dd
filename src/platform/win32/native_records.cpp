#include "platform/win32/native_records.h"

#include <algorithm>
#include <limits>

#include "platform/byte_record.h"
#include "platform/win32/handles.h"

namespace slumbrix::win32 {

namespace {

using Tray = NotifyIconDataLayout;
using Basic = SystemBasicInformationLayout;

static_assert(sizeof(NOTIFYICONDATAA{}.szTip) >= Tray::kTipLength);
// The classes passed straight through: no pointer-sized field, the same layout on both builds.
static_assert(sizeof(SYSTEM_PERFORMANCE_INFORMATION) == 312);
static_assert(offsetof(SYSTEM_TIMEOFDAY_INFORMATION, CurrentTime) == 8);

std::uint32_t narrowAddress(ULONG_PTR address) {
  constexpr ULONG_PTR kHighest = std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(std::min(address, kHighest));
}

}  // namespace

NOTIFYICONDATAA toNativeNotifyIconData(const std::uint8_t* record) {
  const std::span<const std::uint8_t> bytes(record, Tray::kSize);
  NOTIFYICONDATAA native{};
  native.cbSize = NOTIFYICONDATAA_V1_SIZE;
  native.hWnd = fromHandle<HWND>(record::readU32(bytes, Tray::kHWnd));
  native.uID = record::readU32(bytes, Tray::kUID);
  native.uFlags = record::readU32(bytes, Tray::kUFlags);
  native.uCallbackMessage = record::readU32(bytes, Tray::kUCallbackMessage);
  native.hIcon = fromHandle<HICON>(record::readU32(bytes, Tray::kHIcon));
  std::copy_n(bytes.subspan(Tray::kSzTip, Tray::kTipLength).begin(), Tray::kTipLength,
              reinterpret_cast<std::uint8_t*>(native.szTip));
  return native;
}

void toBasicInformationRecord(const SYSTEM_BASIC_INFORMATION& native, std::uint8_t* record) {
  const std::span<std::uint8_t> bytes(record, Basic::kSize);
  std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
  std::uint32_t reserved = 0;
  static_assert(sizeof native.Reserved1 == sizeof reserved);
  std::copy_n(native.Reserved1, sizeof reserved, reinterpret_cast<BYTE*>(&reserved));
  record::writeU32(bytes, Basic::kReserved, reserved);
  record::writeU32(bytes, Basic::kMaximumIncrement, native.MaximumIncrement);
  record::writeU32(bytes, Basic::kPhysicalPageSize, native.PhysicalPageSize);
  record::writeU32(bytes, Basic::kNumberOfPhysicalPages, native.NumberOfPhysicalPages);
  record::writeU32(bytes, Basic::kLowestPhysicalPage, native.LowestPhysicalPage);
  record::writeU32(bytes, Basic::kHighestPhysicalPage, native.HighestPhysicalPage);
  record::writeU32(bytes, Basic::kAllocationGranularity, native.AllocationGranularity);
  record::writeU32(bytes, Basic::kLowestUserAddress, narrowAddress(native.LowestUserAddress));
  record::writeU32(bytes, Basic::kHighestUserAddress, narrowAddress(native.HighestUserAddress));
  record::writeU32(bytes, Basic::kActiveProcessors,
                   static_cast<std::uint32_t>(native.ActiveProcessors & 0xFFFFFFFFu));
  bytes[Basic::kNumberOfProcessors] = static_cast<std::uint8_t>(native.NumberOfProcessors);
}

std::int32_t querySystemInformation(NtQuerySystemInformationFn fn, std::uint32_t informationClass,
                                    std::uint8_t* information, std::uint32_t length,
                                    std::uint32_t* returnLength) {
  if (informationClass != Basic::kClass)
    return callNtQuerySystemInformation(fn, informationClass, information, length, returnLength);
  if (information == nullptr || length != Basic::kSize) return kStatusInfoLengthMismatch;
  SYSTEM_BASIC_INFORMATION native{};
  const std::int32_t status = callNtQuerySystemInformation(
      fn, informationClass, reinterpret_cast<std::uint8_t*>(&native), sizeof native, nullptr);
  if (status != 0) return status;
  toBasicInformationRecord(native, information);
  if (returnLength != nullptr) *returnLength = Basic::kSize;
  return status;
}

}  // namespace slumbrix::win32
