#pragma once

#include <array>
#include <cstdint>

#include "cpu/cpu_usage.h"
#include "platform/platform.h"
#include "platform/windows_values.h"

namespace slumbrix {

// The CPU usage of the NT family, computed from the system's idle-time counter, the system
// time and the processor count. Each figure covers the time since the previous successful
// Query (or Initialize). Query uses three fixed buffers and allocates nothing.
class clsCPUUsageNT : public CpuUsageProvider {
 public:
  explicit clsCPUUsageNT(Platform& platform) : platform_(platform) {}

  // Takes the baseline; a failed request leaves it as it was.
  void Initialize() override;
  // 0..100; -1 when a request failed, the baseline then staying for the next success to span
  // the gap. When no system time has passed since the baseline, the previous figure again
  // (100 before the first) with the baseline kept; from counters that no interval can
  // produce, the previous figure again with these counters as the new baseline.
  std::int32_t Query() override;
  void Terminate() override {}

 private:
  bool requestTimeOfDay();
  bool requestPerformance();
  bool requestBasic();

  Platform& platform_;
  std::int64_t mliOldIdleTime = 0;
  std::int64_t mliOldSystemTime = 0;
  std::int32_t lastFigure_ = 100;
  std::array<std::uint8_t, SystemBasicInformationLayout::kSize> basicInformation_{};
  std::array<std::uint8_t, SystemPerformanceInformationLayout::kSize> performanceInformation_{};
  std::array<std::uint8_t, SystemTimeOfDayInformationLayout::kSize> timeOfDayInformation_{};
};

}  // namespace slumbrix
