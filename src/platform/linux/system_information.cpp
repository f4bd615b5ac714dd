// The NT system information, the token calls and the registry of the Linux platform.
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <span>

#include "platform/byte_record.h"
#include "platform/linux/linux_platform.h"
#include "platform/windows_values.h"

namespace slumbrix {
namespace {

using Basic = SystemBasicInformationLayout;
using Performance = SystemPerformanceInformationLayout;
using TimeOfDay = SystemTimeOfDayInformationLayout;

constexpr Handle kTokenHandle = 0x7A0C;
constexpr std::uint32_t kShutdownPrivilegeLuid = 19;

std::uint32_t expectedSize(std::uint32_t informationClass) {
  switch (informationClass) {
    case Basic::kClass:
      return Basic::kSize;
    case Performance::kClass:
      return Performance::kSize;
    case TimeOfDay::kClass:
      return TimeOfDay::kSize;
    default:
      return 0;
  }
}

}  // namespace

std::int32_t LinuxPlatform::NtQuerySystemInformation(std::uint32_t informationClass,
                                                     std::uint8_t* information,
                                                     std::uint32_t length,
                                                     std::uint32_t* returnLength) {
  const std::uint32_t size = expectedSize(informationClass);
  if (size == 0) return kStatusInvalidInfoClass;
  if (information == nullptr || length != size) return kStatusInfoLengthMismatch;
  // The program asks for the processor count, the system time and the idle time in this
  // order for one sample: all three come from one reading.
  std::optional<ProcStat> stat;
  if (informationClass != Basic::kClass && pendingStat_) {
    stat = pendingStat_;  // the reading the processor count came from
  } else {
    stat = procStat_.read();
  }
  pendingStat_ = informationClass != Performance::kClass ? stat : std::nullopt;
  if (!stat) return kStatusUnsuccessful;
  const std::span<std::uint8_t> buffer(information, size);
  std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
  const NtProcessorTimes times = toNtTimes(*stat, sysconf(_SC_CLK_TCK));
  if (informationClass == Basic::kClass)
    buffer[Basic::kNumberOfProcessors] =
        static_cast<std::uint8_t>(std::min(stat->processors, 255U));
  if (informationClass == Performance::kClass)
    record::writeI64(buffer, Performance::kIdleTime, times.idleTime);
  if (informationClass == TimeOfDay::kClass)
    record::writeI64(buffer, TimeOfDay::kCurrentTime, times.systemTime);
  if (returnLength != nullptr) *returnLength = size;
  return kStatusSuccess;
}

std::int32_t LinuxPlatform::OpenProcessToken(Handle process, std::uint32_t, Handle* token) {
  if (token == nullptr || process == 0) return 0;
  *token = kTokenHandle;
  return 1;
}

std::int32_t LinuxPlatform::LookupPrivilegeValueA(const char*, const char* name,
                                                  std::uint8_t* luid) {
  if (name == nullptr || luid == nullptr) return 0;
  const std::span<std::uint8_t> bytes(luid, TokenPrivilegesLayout::kLuidSize);
  record::writeU32(bytes, 0, kShutdownPrivilegeLuid);  // LowPart
  record::writeU32(bytes, 4, 0);                       // HighPart
  return 1;
}

std::int32_t LinuxPlatform::AdjustTokenPrivileges(Handle token, std::int32_t,
                                                  const std::uint8_t* newState,
                                                  std::uint32_t bufferLength,
                                                  std::uint8_t* previousState,
                                                  std::uint32_t* returnLength) {
  if (token == 0) return 0;
  // Nothing changes, so the previous state is the new one with its attributes cleared.
  using L = TokenPrivilegesLayout;
  if (previousState != nullptr && newState != nullptr && bufferLength >= L::kSize) {
    std::memcpy(previousState, newState, L::kAttributes);
    record::writeU32({previousState, L::kSize}, L::kAttributes, 0);
    if (returnLength != nullptr) *returnLength = L::kSize;
  } else if (returnLength != nullptr) {
    *returnLength = 0;
  }
  return 1;
}

std::int32_t LinuxPlatform::RegOpenKeyExA(Handle, const char*, std::uint32_t, std::uint32_t,
                                          Handle*) {
  return kErrorFileNotFound;
}

std::int32_t LinuxPlatform::RegQueryValueExA(Handle, const char*, std::uint32_t*, std::uint32_t*,
                                             std::uint8_t*, std::uint32_t*) {
  return kErrorInvalidHandle;
}

std::int32_t LinuxPlatform::RegCloseKey(Handle) {
  return kErrorInvalidHandle;
}

}  // namespace slumbrix
