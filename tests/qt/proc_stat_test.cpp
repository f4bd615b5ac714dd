#include "platform/linux/proc_stat.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
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
