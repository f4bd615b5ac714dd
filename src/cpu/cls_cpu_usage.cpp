#include "cpu/cls_cpu_usage.h"

#include <algorithm>

#include "platform/byte_record.h"
#include "platform/windows_values.h"

namespace slumbrix {
namespace {

constexpr const char* kStartStat = "PerfStats\\StartStat";
constexpr const char* kStatData = "PerfStats\\StatData";
constexpr const char* kStopStat = "PerfStats\\StopStat";
constexpr const char* kCpuUsage = "KERNEL\\CPUUsage";

}  // namespace

std::int32_t clsCPUUsage::readValue() {
  // Cleared first, so a shorter answer cannot mix with an earlier figure.
  mlngData.fill(0);
  mlngDataSize = static_cast<std::uint32_t>(mlngData.size());
  return platform_.RegQueryValueExA(mhKey, kCpuUsage, nullptr, &mlngType, mlngData.data(),
                                    &mlngDataSize);
}

void clsCPUUsage::Initialize() {
  if (platform_.RegOpenKeyExA(kHkeyDynData, kStartStat, 0, kKeyAllAccess, &mhKey) != kErrorSuccess)
    return;
  // Reading the value under StartStat is what starts the statistic.
  (void)readValue();
  (void)platform_.RegCloseKey(mhKey);
  mhKey = 0;
  statDataOpen_ =
      platform_.RegOpenKeyExA(kHkeyDynData, kStatData, 0, kKeyRead, &mhKey) == kErrorSuccess;
}

std::int32_t clsCPUUsage::Query() {
  if (!statDataOpen_ || readValue() != kErrorSuccess) return -1;
  const std::uint32_t value = record::readU32(mlngData, 0);
  return static_cast<std::int32_t>(std::min<std::uint32_t>(value, 100));
}

void clsCPUUsage::Terminate() {
  if (statDataOpen_) (void)platform_.RegCloseKey(mhKey);
  statDataOpen_ = false;
  mhKey = 0;
  if (platform_.RegOpenKeyExA(kHkeyDynData, kStopStat, 0, kKeyAllAccess, &mhKey) != kErrorSuccess)
    return;
  // Reading the value under StopStat is what stops the statistic.
  (void)readValue();
  (void)platform_.RegCloseKey(mhKey);
  mhKey = 0;
}

}  // namespace slumbrix
