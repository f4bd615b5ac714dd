// The meter's computation beside a reference: every 500 ms, as the main window's meter does,
// it asks clsCPUUsageNT of the real Linux platform for a figure, reads /proc/stat itself at
// the same moment and prints both for the same interval: "<figure> <reference>" a line.
//
//   bench_meter_probe SAMPLES
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "cpu/cls_cpu_usage_nt.h"
#include "platform/linux/linux_platform.h"

namespace {

constexpr int kMeterIntervalMs = 500;

// The busy and the whole time of all processors, in jiffies, from the aggregate line;
// idle and I/O wait count as not busy.
struct Counters {
  double busy = 0;
  double total = 0;
};

std::optional<Counters> readCounters() {
  std::ifstream stat("/proc/stat");
  std::string line;
  if (!std::getline(stat, line) || line.rfind("cpu ", 0) != 0) return std::nullopt;
  std::istringstream fields(line.substr(4));
  // user nice system idle iowait irq softirq steal (guest time is inside user time)
  double value[8] = {};
  for (double& v : value)
    if (!(fields >> v)) return std::nullopt;
  Counters counters;
  for (double v : value) counters.total += v;
  counters.busy = counters.total - value[3] - value[4];
  return counters;
}

}  // namespace

int main(int argc, char* argv[]) {
  const int samples = argc > 1 ? std::atoi(argv[1]) : 20;
  // No display is needed: the platform wants an application object, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  slumbrix::LinuxPlatform platform;
  slumbrix::clsCPUUsageNT usage(platform);
  usage.Initialize();
  std::optional<Counters> before = readCounters();
  if (!before) return 1;

  int taken = 0;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    const std::int32_t figure = usage.Query();
    const std::optional<Counters> now = readCounters();
    if (!now) return QApplication::exit(1);
    const double elapsed = now->total - before->total;
    const double reference = elapsed > 0 ? 100.0 * (now->busy - before->busy) / elapsed : -1;
    std::printf("%d %.3f\n", figure, reference);
    std::fflush(stdout);
    before = now;
    if (++taken >= samples) QApplication::exit(0);
  });
  timer.start(kMeterIntervalMs);
  return QApplication::exec();
}
