#include "platform/linux/proc_stat.h"

#include "cpu/nt_load.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <optional>
#include <string>

namespace slumbrix {
namespace {

TEST(ProcStat, ReadsIdleTotalAndProcessors) {
  const char* text =
      "cpu  100 20 30 400 50 6 7 8 90 10\n"
      "cpu0 50 10 15 200 25 3 3 4 45 5\n"
      "cpu1 50 10 15 200 25 3 4 4 45 5\n"
      "intr 12345 0 0\n"
      "ctxt 999\n";
  const auto stat = parseProcStat(text);
  ASSERT_TRUE(stat);
  EXPECT_EQ(stat->idle, 450u);  // idle + iowait
  // user to steal; guest time is inside user time already.
  EXPECT_EQ(stat->total, 100u + 20 + 30 + 400 + 50 + 6 + 7 + 8);
  EXPECT_EQ(stat->processors, 2u);
}

TEST(ProcStat, OlderAndBrokenTexts) {
  struct Row {
    const char* text;
    bool valid;
    std::uint64_t idle;
    std::uint64_t total;
  };
  const Row rows[] = {
      {"cpu  1 2 3 4\ncpu0 1 2 3 4\n", true, 4, 10},    // kernels before iowait
      {"cpu  1 2 3 4 5\ncpu0 1 2 3 4 5", true, 9, 15},  // no final line break
      {"cpu0 1 2 3 4\n", false, 0, 0},                  // no aggregate line
      {"cpu  1 2 3 4\n", false, 0, 0},                  // no processor
      {"cpu  1 2 x 4\ncpu0 1 2 3 4\n", false, 0, 0},    // too few numbers
      {"", false, 0, 0},
      {"cpu  99999999999999999999999 2 3 4\ncpu0 1\n", false, 0, 0},  // out of range
  };
  for (const Row& row : rows) {
    const auto stat = parseProcStat(row.text);
    ASSERT_EQ(stat.has_value(), row.valid) << row.text;
    if (!stat) continue;
    EXPECT_EQ(stat->idle, row.idle) << row.text;
    EXPECT_EQ(stat->total, row.total) << row.text;
  }
}

TEST(ProcStat, NtTimesAreHundredNanosecondUnits) {
  ProcStat stat;
  stat.idle = 150;   // 1.5 s at 100 ticks a second, over all processors
  stat.total = 200;  // 2 s over two processors: 1 s elapsed
  stat.processors = 2;
  const NtProcessorTimes times = toNtTimes(stat, 100);
  EXPECT_EQ(times.idleTime, 15'000'000);
  EXPECT_EQ(times.systemTime, 10'000'000);
  EXPECT_EQ(toNtTimes(stat, 1000).systemTime, 1'000'000);
}

// Two readings of /proc/stat as the meter turns them into a figure, at 100 ticks a second.
NtLoad loadBetween(const std::string& before, const std::string& after) {
  const auto old = parseProcStat(before);
  const auto now = parseProcStat(after);
  EXPECT_TRUE(old && now);
  if (!old || !now) return {};
  const NtProcessorTimes a = toNtTimes(*old, 100);
  const NtProcessorTimes b = toNtTimes(*now, 100);
  return ntCpuUsage(a.idleTime, b.idleTime, a.systemTime, b.systemTime, now->processors);
}

std::string threeProcessors(const std::string& aggregate) {
  return "cpu  " + aggregate + "\ncpu0 0 0 0 0\ncpu1 0 0 0 0\ncpu2 0 0 0 0\n";
}

TEST(ProcStat, CountersThatGoBackOrRunAheadGiveNoFigure) {
  // user nice system idle iowait irq softirq steal guest guest_nice
  const std::string base = threeProcessors("1000 0 500 7000 300 0 0 90 0 0");
  struct Row {
    const char* what;
    const char* after;
    std::optional<std::int32_t> figure;  // nothing: the meter keeps its figure
  };
  const Row rows[] = {
      {"a busy interval", "1100 0 500 7000 300 0 0 90 0 0", 100},
      {"half busy", "1050 0 500 7050 300 0 0 90 0 0", 50},
      // All three processors idle over one tick of the clock (10 ms each): the elapsed time
      // per processor, 10/3 ms, is rounded down to the 100 ns unit.
      {"idle over one tick", "1000 0 500 7001 300 0 0 90 0 0", 0},
      {"idle over a long time", "1000 0 500 97000 300 0 0 90 0 0", 0},
      {"a jump of the whole machine", "2001000 0 500 7007000 300 0 0 90 0 0", 22},
      {"frozen", "1000 0 500 7000 300 0 0 90 0 0", std::nullopt},
      // The kernel counts I/O wait unreliably; it has been seen to fall by more than the
      // other states rose.
      {"I/O wait falls", "1010 0 500 7000 200 0 0 90 0 0", std::nullopt},
      {"steal falls by more than idle rises", "1000 0 500 7030 300 0 0 0 0 0", std::nullopt},
      {"steal falls as much as idle rises", "1000 0 500 7030 300 0 0 60 0 0", std::nullopt},
      {"idle rises by more than the total", "1000 0 500 7030 300 0 0 70 0 0", std::nullopt},
      {"wrapped", "5 0 2 30 1 0 0 0 0 0", std::nullopt},
  };
  for (const Row& row : rows) {
    const NtLoad load = loadBetween(base, threeProcessors(row.after));
    EXPECT_EQ(load.kind == NtLoad::Kind::Figure ? std::optional(load.figure) : std::nullopt,
              row.figure)
        << row.what;
  }
}

TEST(ProcStat, TheReaderReadsTheFileAnewEachTimeWhateverItsSize) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath(QStringLiteral("stat")).toStdString();
  const auto write = [&path](const std::string& aggregate, std::size_t padding) {
    std::ofstream file(path, std::ios::trunc);  // the same file, rewritten in place
    file << "cpu  " << aggregate << "\ncpu0 1 2 3 4\nintr " << std::string(padding, '0') << "\n";
  };
  write("1 2 3 4", 10);
  ProcStatReader reader(path);
  ASSERT_TRUE(reader.read());
  EXPECT_EQ(reader.read()->total, 10u);
  // Longer than the reader's first buffer: it grows and reads the whole text.
  write("5 6 7 8", 20'000);
  const auto grown = reader.read();
  ASSERT_TRUE(grown);
  EXPECT_EQ(grown->total, 26u);
  EXPECT_EQ(grown->processors, 1u);
  write("bad", 0);
  EXPECT_FALSE(reader.read());

  ProcStatReader missing(path + ".missing");
  EXPECT_FALSE(missing.read());
}

}  // namespace
}  // namespace slumbrix
