#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace slumbrix {

// The processor counters of /proc/stat, in jiffies (clock ticks).
struct ProcStat {
  // Idle plus I/O wait of all processors together.
  std::uint64_t idle = 0;
  // Every accounted state of all processors together (user to steal; guest time is already
  // part of user time and is not counted twice).
  std::uint64_t total = 0;
  // The number of "cpuN" lines.
  unsigned processors = 0;
};

// Reads the text of /proc/stat; nothing when it has no aggregate "cpu" line or no processor.
std::optional<ProcStat> parseProcStat(std::string_view text);

// The counters as the NT system information reports them, in 100 ns units: the idle time
// summed over the processors, and the elapsed time (all jiffies over the processor count).
struct NtProcessorTimes {
  std::int64_t idleTime = 0;
  std::int64_t systemTime = 0;
};
NtProcessorTimes toNtTimes(const ProcStat& stat, long ticksPerSecond);

}  // namespace slumbrix
