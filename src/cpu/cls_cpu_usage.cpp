#include "cpu/cls_cpu_usage.h"

#include <algorithm>

namespace slumbrix {
namespace {

constexpr Handle HKEY_DYN_DATA = 0x80000006u;
constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;
constexpr std::uint32_t KEY_READ = 0x20019;
constexpr std::int32_t ERROR_SUCCESS = 0;
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
  if (platform_.RegOpenKeyExA(HKEY_DYN_DATA, kStartStat, 0, KEY_ALL_ACCESS, &mhKey) !=
      ERROR_SUCCESS)
    return;
  // Reading the value under StartStat is what starts the statistic.
  (void)readValue();
  (void)platform_.RegCloseKey(mhKey);
  mhKey = 0;
  statDataOpen_ =
      platform_.RegOpenKeyExA(HKEY_DYN_DATA, kStatData, 0, KEY_READ, &mhKey) == ERROR_SUCCESS;
}

std::int32_t clsCPUUsage::Query() {
  if (!statDataOpen_ || readValue() != ERROR_SUCCESS) return -1;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < mlngData.size(); ++i)
    value |= static_cast<std::uint32_t>(mlngData[i]) << (8 * i);
  return static_cast<std::int32_t>(std::min<std::uint32_t>(value, 100));
}

void clsCPUUsage::Terminate() {
  if (statDataOpen_) (void)platform_.RegCloseKey(mhKey);
  statDataOpen_ = false;
  mhKey = 0;
  if (platform_.RegOpenKeyExA(HKEY_DYN_DATA, kStopStat, 0, KEY_ALL_ACCESS, &mhKey) != ERROR_SUCCESS)
    return;
  // Reading the value under StopStat is what stops the statistic.
  (void)readValue();
  (void)platform_.RegCloseKey(mhKey);
  mhKey = 0;
}

}  // namespace slumbrix
