#pragma once

#include <array>
#include <cstdint>

#include "cpu/cpu_usage.h"
#include "platform/platform.h"

namespace slumbrix {

// The CPU usage of Windows 95, 98 and Me: the kernel's own statistic from the dynamic-data
// registry. Initialize starts the statistic and keeps its data key open until Terminate, so
// each Query is one value read.
class clsCPUUsage : public CpuUsageProvider {
 public:
  explicit clsCPUUsage(Platform& platform) : platform_(platform) {}

  void Initialize() override;
  // The statistic clamped into 0..100; -1 when the statistic is not running or cannot be
  // read.
  std::int32_t Query() override;
  void Terminate() override;

 private:
  // Reads "KERNEL\CPUUsage" of mhKey into mlngData; the registry's answer.
  std::int32_t readValue();

  Platform& platform_;
  Handle mhKey = 0;
  std::uint32_t mlngDataSize = 0;
  std::array<std::uint8_t, 4> mlngData{};
  std::uint32_t mlngType = 0;
  bool statDataOpen_ = false;
};

}  // namespace slumbrix
