#include "platform/linux/proc_stat.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace slumbrix {
namespace {

constexpr std::int64_t kHundredNsPerSecond = 10'000'000;

// Splits off the next line of text.
std::string_view nextLine(std::string_view& text) {
  const auto end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads the aggregate line "cpu  user nice system idle iowait irq softirq steal guest guest_nice".
std::optional<ProcStat> parseAggregate(std::string_view line) {
  line.remove_prefix(3);
  std::uint64_t fields[8] = {};
  int count = 0;
  while (count < 8) {
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    if (line.empty() || !isDigit(line.front())) break;
    const auto [end, error] =
        std::from_chars(line.data(), line.data() + line.size(), fields[count]);
    if (error != std::errc()) return std::nullopt;
    line.remove_prefix(static_cast<std::size_t>(end - line.data()));
    ++count;
  }
  if (count < 4) return std::nullopt;  // user, nice, system and idle are always there
  ProcStat stat;
  stat.idle = fields[3] + fields[4];
  for (int i = 0; i < count; ++i) stat.total += fields[i];
  return stat;
}

}  // namespace

std::optional<ProcStat> parseProcStat(std::string_view text) {
  std::optional<ProcStat> stat;
  unsigned processors = 0;
  while (!text.empty()) {
    const std::string_view line = nextLine(text);
    if (line.substr(0, 4) == "cpu ") {
      if (!stat) stat = parseAggregate(line);
    } else if (line.size() > 3 && line.substr(0, 3) == "cpu" && isDigit(line[3])) {
      ++processors;
    }
  }
  if (!stat || processors == 0) return std::nullopt;
  stat->processors = processors;
  return stat;
}

NtProcessorTimes toNtTimes(const ProcStat& stat, long ticksPerSecond) {
  // The kernel's tick rates (100, 250, 300, 1000 per second) all divide 10^7 evenly.
  const auto perTick =
      static_cast<std::uint64_t>(kHundredNsPerSecond / std::max(1L, ticksPerSecond));
  NtProcessorTimes times;
  times.idleTime = static_cast<std::int64_t>(stat.idle * perTick);
  times.systemTime =
      static_cast<std::int64_t>(stat.total * perTick / std::max(1U, stat.processors));
  return times;
}

}  // namespace slumbrix
