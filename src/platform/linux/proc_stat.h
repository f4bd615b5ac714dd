#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Reads a counters file such as /proc/stat again and again: the file stays open and each
// reading starts from its beginning into a buffer that is kept, so that a reading opens
// nothing and allocates nothing once the buffer has the file's size. Not copyable.
class ProcStatReader {
 public:
  explicit ProcStatReader(std::string path = "/proc/stat");
  ~ProcStatReader();
  ProcStatReader(const ProcStatReader&) = delete;
  ProcStatReader& operator=(const ProcStatReader&) = delete;

  // The counters as they are now; nothing when the file cannot be read or parsed.
  std::optional<ProcStat> read();

 private:
  std::string path_;
  int fd_ = -1;
  std::vector<char> buffer_;
};

// The counters as the NT system information reports them, in 100 ns units: the idle time
// summed over the processors, and the elapsed time (all jiffies over the processor count).
struct NtProcessorTimes {
  std::int64_t idleTime = 0;
  std::int64_t systemTime = 0;
};
NtProcessorTimes toNtTimes(const ProcStat& stat, long ticksPerSecond);

}  // namespace slumbrix
