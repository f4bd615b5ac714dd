#include "schedule/zone_time.h"

namespace slumbrix {
namespace {

constexpr std::int64_t kUnixEpoch = 25569 * datetime::kSecondsPerDay;  // 1970-01-01 as a date-time

// The local clock's lead over UTC at a UTC moment, in seconds.
std::int64_t offsetAt(Platform& platform, std::int64_t utc) {
  return datetime::toSeconds(LocalOfUtc(platform, datetime::fromSeconds(utc))) - utc;
}

}  // namespace

DateTime PresentUtc(Platform& platform) {
  return datetime::fromSeconds(platform.NowUtc().seconds + kUnixEpoch);
}

DateTime LocalOfUtc(Platform& platform, DateTime utc) {
  LocalTime local;
  if (platform.LocalFromUtc(datetime::toSeconds(utc) - kUnixEpoch, local))
    return datetime::fromLocalTime(local);
  // Both readings come from one clock; a second that turns between them is rounded away.
  const std::int64_t lead = datetime::toSeconds(datetime::fromLocalTime(platform.Now())) -
                            datetime::toSeconds(PresentUtc(platform));
  const std::int64_t minutes = (lead >= 0 ? lead + 30 : lead - 30) / 60;
  return datetime::add("n", minutes, utc);
}

std::vector<DateTime> UtcShowing(Platform& platform, DateTime local) {
  // A zone changes its offset at most once within a day, so the offsets a day before and a
  // day after are the only ones that can be in force at `local`.
  const std::int64_t wall = datetime::toSeconds(local);
  const std::int64_t before = offsetAt(platform, wall - datetime::kSecondsPerDay);
  const std::int64_t after = offsetAt(platform, wall + datetime::kSecondsPerDay);
  std::vector<DateTime> moments;
  for (const std::int64_t offset : {before, after}) {
    const std::int64_t utc = wall - offset;
    if (offsetAt(platform, utc) == offset &&
        (moments.empty() || datetime::toSeconds(moments.front()) != utc))
      moments.push_back(datetime::fromSeconds(utc));
  }
  if (moments.size() == 2 && datetime::toSeconds(moments[1]) < datetime::toSeconds(moments[0]))
    std::swap(moments[0], moments[1]);
  if (!moments.empty() || after <= before) return moments;
  // Skipped: the clock jumps over `local` at the change, which lies between these two.
  std::int64_t low = wall - after;    // still on the old offset
  std::int64_t high = wall - before;  // already on the new one
  while (high - low > 1) {
    const std::int64_t middle = low + (high - low) / 2;
    (offsetAt(platform, middle) == before ? low : high) = middle;
  }
  moments.push_back(datetime::fromSeconds(high));
  return moments;
}

}  // namespace slumbrix
