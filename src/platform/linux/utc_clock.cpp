// The present moment in UTC and the local time of a UTC moment, from the C library: the
// system clock and the time zone of the process (TZ, else the system's).
#include <ctime>
#include <limits>

#include "platform/linux/linux_platform.h"

namespace slumbrix {

UtcTime LinuxPlatform::NowUtc() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return UtcTime{static_cast<std::int64_t>(now.tv_sec), static_cast<int>(now.tv_nsec / 1'000'000)};
}

bool LinuxPlatform::LocalFromUtc(std::int64_t utcSeconds, LocalTime& local) {
  if (utcSeconds < std::numeric_limits<std::time_t>::min() ||
      utcSeconds > std::numeric_limits<std::time_t>::max())
    return false;
  const auto moment = static_cast<std::time_t>(utcSeconds);
  std::tm t{};
  if (localtime_r(&moment, &t) == nullptr) return false;
  // A leap second shows as :59, as Now() shows it.
  local = LocalTime{t.tm_year + 1900,
                    t.tm_mon + 1,
                    t.tm_mday,
                    t.tm_hour,
                    t.tm_min,
                    t.tm_sec > 59 ? 59 : t.tm_sec,
                    0};
  return true;
}

}  // namespace slumbrix
