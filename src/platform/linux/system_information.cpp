// The NT system information, the token calls and the registry of the Linux platform.
#include <unistd.h>

#include <cstring>

#include "platform/linux/linux_platform.h"

namespace slumbrix {
namespace {

constexpr std::int32_t kStatusSuccess = 0;
constexpr std::int32_t kStatusUnsuccessful = static_cast<std::int32_t>(0xC0000001);
constexpr std::int32_t kStatusInvalidInfoClass = static_cast<std::int32_t>(0xC0000003);
constexpr std::int32_t kStatusInfoLengthMismatch = static_cast<std::int32_t>(0xC0000004);
constexpr std::uint32_t kBasicInformationSize = 44;
constexpr std::uint32_t kPerformanceInformationSize = 312;
constexpr std::uint32_t kTimeOfDayInformationSize = 32;

constexpr Handle kTokenHandle = 0x7A0C;
constexpr std::uint32_t kShutdownPrivilegeLuid = 19;
constexpr std::int32_t kErrorFileNotFound = 2;
constexpr std::int32_t kErrorInvalidHandle = 6;

void putQuad(std::uint8_t* record, std::size_t offset, std::int64_t value) {
  for (int i = 0; i < 8; ++i)
    record[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
}

std::uint32_t expectedSize(std::uint32_t informationClass) {
  switch (informationClass) {
    case 0:
      return kBasicInformationSize;
    case 2:
      return kPerformanceInformationSize;
    case 3:
      return kTimeOfDayInformationSize;
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
  if (informationClass != 0 && pendingStat_) {
    stat = pendingStat_;
  } else {
    stat = procStat_.read();
  }
  pendingStat_ = informationClass != 2 ? stat : std::nullopt;
  if (!stat) return kStatusUnsuccessful;
  std::memset(information, 0, size);
  const NtProcessorTimes times = toNtTimes(*stat, sysconf(_SC_CLK_TCK));
  if (informationClass == 0)
    information[40] = static_cast<std::uint8_t>(std::min(stat->processors, 255U));
  if (informationClass == 2) putQuad(information, 0, times.idleTime);
  if (informationClass == 3) putQuad(information, 8, times.systemTime);
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
  std::memset(luid, 0, 8);
  luid[0] = static_cast<std::uint8_t>(kShutdownPrivilegeLuid);
  return 1;
}

std::int32_t LinuxPlatform::AdjustTokenPrivileges(Handle token, std::int32_t,
                                                  const std::uint8_t* newState,
                                                  std::uint32_t bufferLength,
                                                  std::uint8_t* previousState,
                                                  std::uint32_t* returnLength) {
  if (token == 0) return 0;
  // Nothing changes, so the previous state is the new one with its attributes cleared.
  if (previousState != nullptr && newState != nullptr && bufferLength >= 16) {
    std::memcpy(previousState, newState, 12);
    std::memset(previousState + 12, 0, 4);
    if (returnLength != nullptr) *returnLength = 16;
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
