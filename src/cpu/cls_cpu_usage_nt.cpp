#include "cpu/cls_cpu_usage_nt.h"

#include <optional>

#include "cpu/nt_load.h"

namespace slumbrix {
namespace {

constexpr std::uint32_t SystemBasicInformation = 0;
constexpr std::uint32_t SystemPerformanceInformation = 2;
constexpr std::uint32_t SystemTimeOfDayInformation = 3;
constexpr std::size_t kProcessorCountOffset = 40;
constexpr std::size_t kIdleTimeOffset = 0;
constexpr std::size_t kCurrentTimeOffset = 8;

// A LARGE_INTEGER of the record, copied bit for bit.
std::int64_t largeInteger(const std::uint8_t* p) {
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value |= static_cast<std::uint64_t>(p[i]) << (8 * i);
  return static_cast<std::int64_t>(value);
}

template <std::size_t N>
bool request(Platform& platform, std::uint32_t informationClass,
             std::array<std::uint8_t, N>& buffer) {
  buffer.fill(0);
  return platform.NtQuerySystemInformation(informationClass, buffer.data(),
                                           static_cast<std::uint32_t>(N), nullptr) == 0;
}

}  // namespace

bool clsCPUUsageNT::requestBasic() {
  return request(platform_, SystemBasicInformation, basicInformation_);
}

bool clsCPUUsageNT::requestPerformance() {
  return request(platform_, SystemPerformanceInformation, performanceInformation_);
}

bool clsCPUUsageNT::requestTimeOfDay() {
  return request(platform_, SystemTimeOfDayInformation, timeOfDayInformation_);
}

void clsCPUUsageNT::Initialize() {
  if (!requestTimeOfDay() || !requestPerformance()) return;
  mliOldIdleTime = largeInteger(performanceInformation_.data() + kIdleTimeOffset);
  mliOldSystemTime = largeInteger(timeOfDayInformation_.data() + kCurrentTimeOffset);
}

std::int32_t clsCPUUsageNT::Query() {
  if (!requestBasic() || !requestTimeOfDay() || !requestPerformance()) return -1;
  const std::int64_t idleTime = largeInteger(performanceInformation_.data() + kIdleTimeOffset);
  const std::int64_t systemTime = largeInteger(timeOfDayInformation_.data() + kCurrentTimeOffset);
  const std::optional<std::int32_t> figure =
      ntCpuUsage(mliOldIdleTime, idleTime, mliOldSystemTime, systemTime,
                 basicInformation_[kProcessorCountOffset]);
  // Within one tick of the system time there is nothing to measure yet: the baseline stays,
  // so the next query covers the whole interval.
  if (!figure) return lastFigure_;
  lastFigure_ = *figure;
  mliOldIdleTime = idleTime;
  mliOldSystemTime = systemTime;
  return lastFigure_;
}

}  // namespace slumbrix
