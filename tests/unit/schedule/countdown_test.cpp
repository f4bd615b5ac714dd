#include <gtest/gtest.h>

#include <algorithm>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

class Countdown : public MainWindowTest {
 protected:
  Countdown() {
    form.start();
    form.cmbAction.setText("Reboot");
    form.cmbUnit.setText("Seconds");
    form.txtPeriod.setText("5");
    form.vsBlink.setValue(3);
    platform.clear();
  }
  std::string status() const { return form.lblStatus.Caption(); }
  // The icon handles the tray sends carried, as B (blank) and S (shown).
  std::string flashes() const {
    std::string s;
    for (const auto& call : trayCalls()) {
      if (call.args[0] != kNimModify) continue;
      const auto& r = call.records[0];
      s += (r[20] | r[21] | r[22] | r[23]) == 0 ? 'B' : 'S';
    }
    return s;
  }
};

TEST_F(Countdown, CountsDownFlashesAndFiresOnTheTargetSecond) {
  ws.advance(200);  // 10:00:00.2
  form.cmdTimer.click();
  platform.clear();
  const char* expected[] = {"5", "4", "4", "3", "3", "2", "2", "1", "1", "0"};
  const char* icons[] = {"", "", "", "B", "BS", "BSB", "BSBS", "BSBSB", "BSBSBS", "BSBSBSB"};
  for (int tick = 0; tick < 10; ++tick) {
    ASSERT_FALSE(ws.ended()) << "fired early at tick " << tick;
    ws.advance(500);
    EXPECT_EQ(status(), std::string(expected[tick]) + " Seconds to the execution") << tick;
    EXPECT_EQ(flashes(), icons[tick]) << tick;
  }
  ASSERT_TRUE(ws.ended());
  // The firing tick: the restart is asked for, then the icon is removed, and nothing after.
  const auto names = platform.names();
  const auto exitAt = std::find(names.begin(), names.end(), "ExitWindowsEx");
  ASSERT_NE(exitAt, names.end());
  EXPECT_EQ(names.back(), "Shell_NotifyIconA");
  EXPECT_LT(exitAt - names.begin(), static_cast<std::ptrdiff_t>(names.size()) - 1);
  const auto exits = platform.named("ExitWindowsEx");
  ASSERT_EQ(exits.size(), 1u);
  EXPECT_EQ(exits[0].args, (std::vector<std::int64_t>{6, 0}));
  EXPECT_EQ(trayCalls().back().args[0], kNimDelete);
}

TEST_F(Countdown, TargetAlreadyPastAtTheFirstTickFiresWithANegativeCount) {
  form.cmdTimer.click();
  ws.clock.setMilliseconds(ws.clock.milliseconds() + 60'000);  // the computer slept
  ws.advance(500);
  EXPECT_EQ(status(), "-55 Seconds to the execution");
  EXPECT_TRUE(ws.ended());
  EXPECT_EQ(platform.named("ExitWindowsEx").size(), 1u);
}

TEST_F(Countdown, WithFlashingOffTheIconNeverChanges) {
  form.chkBlink.click();
  form.cmdTimer.click();
  ws.advance(10'000);
  ASSERT_TRUE(ws.ended());
  EXPECT_EQ(flashes(), "S");  // only the arming send
}

TEST_F(Countdown, LeadTimeLongerThanTheCountdownFlashesFromTheFirstTick) {
  form.vsBlink.setValue(30);
  form.cmdTimer.click();
  ws.advance(500);
  EXPECT_EQ(flashes(), "SB");
}

TEST_F(Countdown, DisarmingWhileBlankRestoresTheIconAndKeepsThePhase) {
  form.vsBlink.setValue(30);
  form.cmdTimer.click();
  ws.advance(500);  // blank
  ASSERT_EQ(form.mTrayIcon.hIcon, 0u);
  form.cmdTimer.click();
  EXPECT_EQ(form.mTrayIcon.hIcon, form.iconHandle());
  EXPECT_EQ(tipOf(trayCalls().back()), "No action started");
  EXPECT_EQ(form.mintBlinkPhase, kVbTrue);
  ws.advance(10'000);
  EXPECT_FALSE(ws.ended());
  EXPECT_TRUE(platform.named("ExitWindowsEx").empty());
}

TEST_F(Countdown, ClockShowsTheTimeOfDayOnTheTwelveHourClock) {
  HeadlessWindowSystem ws2;
  FakePlatform platform2;
  platform2.clock = &ws2.clock;
  ws2.clock.set(LocalTime{2026, 12, 6, 0, 15, 29, 600});
  frmMain f(ws2, platform2);
  f.start();
  EXPECT_EQ(f.lbltime.Caption(), "");
  ws2.advance(500);
  EXPECT_EQ(f.lbltime.Caption(), "12:15:30 AM");
  ws2.clock.set(LocalTime{2026, 12, 6, 12, 15, 30, 0});
  ws2.advance(500);
  EXPECT_EQ(f.lbltime.Caption(), "12:15:30 PM");
  ws2.clock.set(LocalTime{2026, 12, 6, 21, 5, 7, 0});
  ws2.advance(500);
  EXPECT_EQ(f.lbltime.Caption(), "09:05:07 PM");
}

}  // namespace
}  // namespace slumbrix::test
