#pragma once

#include <cstdint>

namespace slumbrix {

// The contract of a CPU usage provider. Callers know a provider only through these three
// operations. No operation throws or shows a message.
class CpuUsageProvider {
 public:
  virtual ~CpuUsageProvider() = default;
  // Starts measuring and takes the baseline for the first Query.
  virtual void Initialize() = 0;
  // The processor load since the previous successful Query (or Initialize), in whole percent
  // from 0 to 100; -1 when the measurement failed.
  virtual std::int32_t Query() = 0;
  // Stops measuring.
  virtual void Terminate() = 0;
};

}  // namespace slumbrix
