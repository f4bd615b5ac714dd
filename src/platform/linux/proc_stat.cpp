#include "platform/linux/proc_stat.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

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

ProcStatReader::ProcStatReader(std::string path) : path_(std::move(path)), buffer_(4096) {}

ProcStatReader::~ProcStatReader() {
  if (fd_ >= 0) (void)::close(fd_);  // nothing was written: a failed close loses nothing
}

std::optional<ProcStat> ProcStatReader::read() {
  if (fd_ < 0) fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return std::nullopt;
  // The kernel makes the whole text anew for each read from the start and hands it out in
  // one piece; a text that fills the buffer may go on, so it is read again into a larger one.
  for (;;) {
    ssize_t length = -1;
    do {
      length = ::pread(fd_, buffer_.data(), buffer_.size(), 0);
    } while (length < 0 && errno == EINTR);
    if (length < 0) return std::nullopt;
    const auto size = static_cast<std::size_t>(length);
    if (size < buffer_.size()) return parseProcStat(std::string_view(buffer_.data(), size));
    buffer_.resize(buffer_.size() * 2);
  }
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
