// Runs the whole program headless for a simulated hour (meter, clock and the 10 ms CPU watch
// ticking) and prints what it costs: time per simulated hour and resident memory.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "app/frm_main.h"
#include "support/fake_platform.h"
#include "support/headless_window_system.h"

namespace {

// A size of /proc/self/status in KiB ("VmRSS", "VmHWM"), or -1.
long statusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
  return -1;
}

long residentKiB() {
  return statusKiB("VmRSS");
}

// The high-water mark of this program's own memory. Not getrusage's ru_maxrss: Linux carries
// that over an exec, so it would report the process that started the benchmark.
long peakKiB() {
  return statusKiB("VmHWM");
}

}  // namespace

int main() {
  using namespace slumbrix;
  test::HeadlessWindowSystem ws;
  test::FakePlatform platform;
  platform.clock = &ws.clock;
  // A busy machine: the counters advance so the meter never sees an idle figure.
  std::int64_t tick = 0;
  frmMain form(ws, platform);
  form.start();
  const long afterStart = residentKiB();

  form.Option1.click();
  form.vsAuslastung.setValue(1);
  form.cmdTimer.click();  // the CPU watch: 10 ms ticks
  const auto begin = std::chrono::steady_clock::now();
  const std::clock_t cpuBegin = std::clock();
  for (int second = 0; second < 3600; ++second) {
    tick += 10'000'000;  // one second of system time
    platform.systemTime = tick;
    platform.idleTime = tick / 2;
    platform.calls.clear();  // the fake's record is not the program's memory
    ws.advance(1000);
  }
  const double cpuSeconds = static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  // The clock and the meter tick every 500 ms, the watch every 10 ms; the countdown is off.
  std::printf("headless: one simulated hour (%d timer ticks) in %.3f s of CPU (%.3f s wall)\n",
              3600 * (2 + 2 + 100), cpuSeconds, seconds);
  std::printf("headless: resident set after start %ld KiB, after the hour %ld KiB, peak %ld KiB\n",
              afterStart, residentKiB(), peakKiB());
  return ws.ended() ? 1 : 0;
}
