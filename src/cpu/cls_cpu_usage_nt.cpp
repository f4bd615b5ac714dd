#include "cpu/cls_cpu_usage_nt.h"

#include "cpu/nt_load.h"
#include "platform/byte_record.h"
#include "platform/windows_values.h"

namespace slumbrix {
namespace {

using Basic = SystemBasicInformationLayout;
using Performance = SystemPerformanceInformationLayout;
using TimeOfDay = SystemTimeOfDayInformationLayout;

template <std::size_t N>
bool request(Platform& platform, std::uint32_t informationClass,
             std::array<std::uint8_t, N>& buffer) {
  buffer.fill(0);
  return platform.NtQuerySystemInformation(informationClass, buffer.data(),
                                           static_cast<std::uint32_t>(N), nullptr) == 0;
}

}  // namespace

bool clsCPUUsageNT::requestBasic() {
  return request(platform_, Basic::kClass, basicInformation_);
}

bool clsCPUUsageNT::requestPerformance() {
  return request(platform_, Performance::kClass, performanceInformation_);
}

bool clsCPUUsageNT::requestTimeOfDay() {
  return request(platform_, TimeOfDay::kClass, timeOfDayInformation_);
}

void clsCPUUsageNT::Initialize() {
  if (!requestTimeOfDay() || !requestPerformance()) return;
  mliOldIdleTime = record::readI64(performanceInformation_, Performance::kIdleTime);
  mliOldSystemTime = record::readI64(timeOfDayInformation_, TimeOfDay::kCurrentTime);
}

std::int32_t clsCPUUsageNT::Query() {
  if (!requestBasic() || !requestTimeOfDay() || !requestPerformance()) return -1;
  const std::int64_t idleTime = record::readI64(performanceInformation_, Performance::kIdleTime);
  const std::int64_t systemTime = record::readI64(timeOfDayInformation_, TimeOfDay::kCurrentTime);
  const NtLoad load = ntCpuUsage(mliOldIdleTime, idleTime, mliOldSystemTime, systemTime,
                                 basicInformation_[Basic::kNumberOfProcessors]);
  switch (load.kind) {
    case NtLoad::Kind::Figure:
      lastFigure_ = load.figure;
      break;
    case NtLoad::Kind::EmptyInterval:
      // Within one tick of the system time there is nothing to measure yet: the baseline
      // stays, so the next query covers the whole interval.
      return lastFigure_;
    case NtLoad::Kind::NoMeasurement:
      // Counters that went back or ran ahead of the time (a clock set back, an idle count
      // the kernel corrected, a wrap) say nothing about the load: the figure stays, and the
      // next one is measured from these counters, since measuring across them never would.
      break;
  }
  mliOldIdleTime = idleTime;
  mliOldSystemTime = systemTime;
  return lastFigure_;
}

}  // namespace slumbrix
