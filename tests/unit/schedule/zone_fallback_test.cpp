// Where the system cannot turn a UTC moment into local time, the program takes the present
// lead of the local clock over UTC, in whole minutes. West of UTC that lead is negative, and
// rounding it the wrong way fires a clock time a minute early.
#include <gtest/gtest.h>

#include <limits>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

TEST(ZoneFallback, AClockTimeFiresOnItsMinuteWhateverTheZonesOffset) {
  struct Row {
    int bias;  // minutes: UTC = local time + bias
    int readingLead;
  };
  const Row rows[] = {
      {300, 0}, {300, 1},  {300, -1},   // five hours west
      {210, 0}, {210, 1},  {210, -1},   // three and a half hours west
      {570, 1}, {-345, 0}, {-345, -1},  // nine and a half west; five and three quarters east
      {0, 1},   {0, -1},
  };
  for (const Row& row : rows) {
    HeadlessWindowSystem ws;
    FakePlatform platform;
    platform.clock = &ws.clock;
    ws.clock.zone.bias = row.bias;
    ws.clock.set(LocalTime{2026, 12, 6, 10, 0, 0, 200});
    platform.failLocalFromUtc = true;
    platform.nowLeadSeconds = row.readingLead;
    frmMain form(ws, platform);
    form.start();
    form.tmrRefresh.setEnabled(false);
    form.cmbAction.setText("Reboot");
    form.opt1.click();
    form.txtHour.replaceText("11");
    form.txtMin.replaceText("00");
    form.cmbT.setText("AM");
    ASSERT_TRUE(form.cmdTimer.click());
    const std::string where =
        "bias " + std::to_string(row.bias) + ", lead " + std::to_string(row.readingLead);
    EXPECT_EQ(ws.clock.milliseconds() % 1000, 200);
    std::int64_t elapsed = 0;
    while (!ws.ended() && elapsed < 2 * 3600'000) {
      ws.advance(500);
      elapsed += 500;
      if (elapsed == 500) {
        EXPECT_EQ(form.lblStatus.Caption(), "3600 Seconds to the execution") << where;
      }
    }
    EXPECT_EQ(elapsed, 3600'000) << where << ": fired at 11:00:00.2, not a minute off";
    EXPECT_EQ(platform.named("ExitWindowsEx").size(), 1u) << where;
  }
}

}  // namespace
}  // namespace slumbrix::test
