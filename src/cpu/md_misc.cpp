#include "cpu/md_misc.h"

#include <array>
#include <cstdint>

namespace slumbrix::mdMisc {

VbBool IsWindowsNT(Platform& platform) {
  constexpr std::uint32_t kRecordSize = 148;  // OSVERSIONINFOA
  constexpr std::size_t kPlatformIdOffset = 16;
  constexpr std::uint32_t kPlatformNt = 2;  // the NT family
  std::array<std::uint8_t, kRecordSize> record{};
  record[0] = static_cast<std::uint8_t>(kRecordSize);
  // The record is read either way: a failed query leaves the platform id 0.
  (void)platform.GetVersionExA(record.data());
  std::uint32_t platformId = 0;
  for (std::size_t i = 0; i < 4; ++i)
    platformId |= static_cast<std::uint32_t>(record[kPlatformIdOffset + i]) << (8 * i);
  return toVb(platformId == kPlatformNt);
}

}  // namespace slumbrix::mdMisc
