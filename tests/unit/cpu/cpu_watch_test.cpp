#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

class CpuWatch : public MainWindowTest {
 protected:
  CpuWatch() {
    loadWindow();
    form.tmrRefresh.setEnabled(false);  // the tests set the meter's label themselves
    form.Option1.click();
  }
  void threshold(std::int16_t value) { form.vsAuslastung.setValue(value); }
  void arm() { form.cmdTimer.click(); }
  bool fired() const { return ws.ended(); }
};

TEST_F(CpuWatch, FiresOnlyWhenTheFigureIsBelowTheThreshold) {
  struct Row {
    std::int16_t threshold;
    const char* meter;
    bool fires;
  };
  const Row rows[] = {
      {20, "35", false}, {20, "12", true}, {10, "9", true}, {10, "10", false},
      {2, "100", false}, {1, "0", true},   {1, "-2", true}, {1, "1", false},
      {100, "99", true}, {50, "?", false}, {50, "", false}, {50, "4x", false},
  };
  for (const Row& row : rows) {
    HeadlessWindowSystem ws2;
    FakePlatform platform2;
    platform2.clock = &ws2.clock;
    frmMain f(ws2, platform2);
    f.load();
    f.tmrRefresh.setEnabled(false);
    f.cmbAction.setText("Reboot");
    f.Option1.click();
    f.vsAuslastung.setValue(row.threshold);
    f.lblCpuUsage.setCaption(row.meter);
    f.cmdTimer.click();
    platform2.clear();
    ws2.advance(10);
    EXPECT_EQ(ws2.ended(), row.fires) << row.threshold << " vs '" << row.meter << "'";
    EXPECT_EQ(platform2.named("ExitWindowsEx").size(), row.fires ? 1u : 0u);
  }
}

TEST_F(CpuWatch, FiresOnTheFirstTickAfterTheFigureDrops) {
  threshold(20);
  form.lblCpuUsage.setCaption("35");
  arm();
  ws.advance(490);
  EXPECT_FALSE(fired());
  form.lblCpuUsage.setCaption("12");
  ws.advance(10);
  EXPECT_TRUE(fired());
}

// The whole road from the counters to the watch: the meter runs on the platform's counters.
using CpuWatchOnTheCounters = MainWindowTest;

TEST_F(CpuWatchOnTheCounters, AWatchArmedAtOnePercentIgnoresCountersNoIntervalCanProduce) {
  constexpr std::int64_t kMs = 10000;
  platform.processors = 2;
  platform.systemTime = 130000000000000000;
  platform.idleTime = 900000 * kMs;
  form.start();
  form.Option1.click();
  ASSERT_EQ(form.txtAuslastung.Text(), "1");
  const auto sample = [&](std::int64_t elapsedMs, std::int64_t idleMs) {
    platform.systemTime += elapsedMs * kMs;
    platform.idleTime += idleMs * kMs;
    ws.advance(500);
  };
  sample(500, 600);
  ASSERT_EQ(form.lblCpuUsage.Caption(), "40");
  ASSERT_TRUE(form.cmdTimer.click());
  struct Step {
    const char* what;
    std::int64_t elapsedMs, idleMs;
  };
  const Step steps[] = {
      {"idle and I/O wait fell by more than the total", -200, -700},
      {"idle beyond the time", 500, 1500},
      {"the clock set back", -5000, 0},
      {"idle going back", 500, -10},
      {"frozen", 0, 0},
  };
  for (const Step& step : steps) {
    sample(step.elapsedMs, step.idleMs);
    EXPECT_EQ(form.lblCpuUsage.Caption(), "40") << step.what;
    ASSERT_FALSE(ws.ended()) << step.what;
  }
  platform.systemTime = 10 * kMs;  // wrapped round to small counters
  platform.idleTime = 5 * kMs;
  ws.advance(500);
  EXPECT_EQ(form.lblCpuUsage.Caption(), "40") << "wrapped";
  ws.advance(490);
  ASSERT_FALSE(ws.ended());
  EXPECT_EQ(platform.actionsPerformed(), 0);
  // A truly idle interval after them is measured, and the watch acts on it.
  platform.systemTime += 500 * kMs;
  platform.idleTime += 1000 * kMs;
  ws.advance(10);
  EXPECT_EQ(form.lblCpuUsage.Caption(), "0");
  ws.advance(10);
  EXPECT_TRUE(ws.ended());
  EXPECT_EQ(platform.named("ExitWindowsEx").size(), 1u);
}

TEST_F(CpuWatch, ReadsTheActionFromTheListWhenItFires) {
  threshold(50);
  form.lblCpuUsage.setCaption("80");
  arm();
  ws.advance(100);
  form.cmbAction.setText("Log OFF");  // the options stay usable while watching
  form.opt0.click();                  // another mode: the watch goes on
  form.lblCpuUsage.setCaption("3");
  ws.advance(10);
  ASSERT_TRUE(fired());
  EXPECT_EQ(form.mstrAction, "Log OFF");
  const auto exits = platform.named("ExitWindowsEx");
  ASSERT_EQ(exits.size(), 1u);
  EXPECT_EQ(exits[0].args[0], 4);  // log off, forced
}

TEST_F(CpuWatch, DisarmedWatchNeverFires) {
  threshold(50);
  form.lblCpuUsage.setCaption("80");
  arm();
  arm();
  form.lblCpuUsage.setCaption("3");
  ws.advance(1000);
  EXPECT_FALSE(fired());
  EXPECT_TRUE(platform.named("ExitWindowsEx").empty());
}

}  // namespace
}  // namespace slumbrix::test
