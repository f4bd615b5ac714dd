// The countdown across the changes to and from daylight saving time, in a central European
// zone (UTC+1, UTC+2 from the last Sunday of March to the last Sunday of October, both changes
// at 01:00 UTC): a period is elapsed time, a clock time is read on the local clock.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "schedule/zone_time.h"

namespace slumbrix::test {
namespace {

constexpr std::int64_t kUnixEpoch = 25569 * datetime::kSecondsPerDay;

std::int64_t utcOf(int month, int day, int hour, int minute, int second = 0) {
  return datetime::toSeconds(datetime::fromParts(2026, month, day, hour, minute, second)) -
         kUnixEpoch;
}

std::string wall(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d:%02d", t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

TEST(ZoneRules, ChangeOnTheLastSundaysAtOneUtc) {
  const ZoneRules berlin = centralEuropeanZone();
  struct Row {
    std::int64_t utc;
    const char* local;
  };
  const Row rows[] = {
      {utcOf(3, 29, 0, 59, 59), "03-29 01:59:59"},  // the last second of winter time
      {utcOf(3, 29, 1, 0, 0), "03-29 03:00:00"},    // 02:00 to 02:59 never show
      {utcOf(10, 25, 0, 59, 59), "10-25 02:59:59"},
      {utcOf(10, 25, 1, 0, 0), "10-25 02:00:00"},  // the hour from 02:00 shows twice
      {utcOf(3, 22, 1, 30), "03-22 02:30:00"},     // a Sunday, but not the last one
      {utcOf(7, 1, 12, 0), "07-01 14:00:00"},
      {utcOf(12, 6, 9, 0), "12-06 10:00:00"},
  };
  for (const Row& row : rows) EXPECT_EQ(wall(localTimeAt(berlin, row.utc)), row.local);
  // 2027: the last Sundays are 28 March and 31 October.
  EXPECT_EQ(localTimeAt(berlin, utcOf(3, 28, 1, 0) + 365 * 86400).hour, 3);
  EXPECT_EQ(localTimeAt(berlin, utcOf(10, 31, 0, 30) + 365 * 86400).hour, 2);
}

TEST(ZoneRules, SouthernZoneKeepsDaylightTimeOverTheNewYear) {
  // UTC+10, daylight time UTC+11 from the first Sunday of October 02:00 to the first Sunday
  // of April 03:00.
  ZoneRules south;
  south.bias = -600;
  south.daylightBias = -60;
  south.daylightDate = ZoneChange{0, 10, 0, 1, 2, 0, 0, 0};
  south.standardDate = ZoneChange{0, 4, 0, 1, 3, 0, 0, 0};
  EXPECT_EQ(wall(localTimeAt(south, utcOf(1, 15, 0, 0))), "01-15 11:00:00");
  EXPECT_EQ(wall(localTimeAt(south, utcOf(7, 15, 0, 0))), "07-15 10:00:00");
  EXPECT_EQ(wall(localTimeAt(south, utcOf(4, 4, 15, 59, 59))), "04-05 02:59:59");
  EXPECT_EQ(wall(localTimeAt(south, utcOf(4, 4, 16, 0, 0))), "04-05 02:00:00");
  ZoneRules none = south;
  none.daylightDate.month = 0;  // no daylight saving
  EXPECT_EQ(wall(localTimeAt(none, utcOf(1, 15, 0, 0))), "01-15 10:00:00");
}

class DaylightSaving : public MainWindowTest {
 protected:
  DaylightSaving() {
    ws.clock.zone = centralEuropeanZone();
    form.start();
    form.tmrRefresh.setEnabled(false);
    form.cmbAction.setText("Reboot");
  }
  void setLocal(int month, int day, int hour, int minute, int second) {
    ws.clock.set(LocalTime{2026, month, day, hour, minute, second, 200});
  }
  void armPeriod(const char* count, const char* unit) {
    form.opt0.click();
    form.txtPeriod.replaceText(count);
    form.cmbUnit.setText(unit);
    platform.clear();
    ASSERT_TRUE(form.cmdTimer.click());
  }
  void armClock(const char* hour, const char* minute, const char* half) {
    form.opt1.click();
    form.txtHour.replaceText(hour);
    form.txtMin.replaceText(minute);
    form.cmbT.setText(half);
    platform.clear();
    ASSERT_TRUE(form.cmdTimer.click());
  }
  std::string tip() const { return tipOf(trayCalls().back()); }
  int remaining() const { return std::stoi(form.lblStatus.Caption()); }
  // Advances tick by tick until the program ends; the milliseconds that passed.
  std::int64_t runToFiring(std::int64_t limit) {
    std::int64_t elapsed = 0;
    int last = std::numeric_limits<int>::max();
    while (!ws.ended() && elapsed < limit) {
      ws.advance(500);
      elapsed += 500;
      if (ws.ended()) break;
      EXPECT_LE(remaining(), last) << "the count went up after " << elapsed << " ms";
      last = remaining();
    }
    EXPECT_EQ(platform.named("ExitWindowsEx").size(), 1u);
    return elapsed;
  }
};

TEST_F(DaylightSaving, PeriodIsElapsedTimeAcrossBothChanges) {
  struct Row {
    int month, day, hour, minute, second;
    const char* count;
    const char* unit;
    const char* tip;
    std::int64_t seconds;
  };
  const Row rows[] = {
      {3, 29, 1, 58, 30, "3", "Minutes", "Reboot on 3/29/2026 3:01:30 AM", 180},
      {3, 29, 1, 30, 0, "1", "Hours", "Reboot on 3/29/2026 3:30:00 AM", 3600},
      {10, 25, 2, 58, 30, "3", "Minutes", "Reboot on 10/25/2026 2:01:30 AM", 180},
      {10, 25, 1, 30, 0, "2", "Hours", "Reboot on 10/25/2026 2:30:00 AM", 7200},
  };
  for (const Row& row : rows) {
    HeadlessWindowSystem ws2;
    FakePlatform platform2;
    platform2.clock = &ws2.clock;
    ws2.clock.zone = centralEuropeanZone();
    ws2.clock.set(LocalTime{2026, row.month, row.day, row.hour, row.minute, row.second, 200});
    frmMain form2(ws2, platform2);
    form2.start();
    form2.tmrRefresh.setEnabled(false);
    form2.cmbAction.setText("Reboot");
    form2.txtPeriod.replaceText(row.count);
    form2.cmbUnit.setText(row.unit);
    form2.cmdTimer.click();
    EXPECT_EQ(tipOf(platform2.named("Shell_NotifyIconA").back()), row.tip);
    ws2.advance(500);
    EXPECT_EQ(form2.lblStatus.Caption(), std::to_string(row.seconds) + " Seconds to the execution");
    ws2.advance(row.seconds * 1000 - 1000);
    EXPECT_FALSE(ws2.ended()) << row.tip;
    ws2.advance(500);
    EXPECT_TRUE(ws2.ended()) << row.tip;
  }
}

TEST_F(DaylightSaving, ClockTimeFiresWhenTheLocalClockFirstShowsIt) {
  struct Row {
    int month, day, hour, minute;  // armed at, local
    const char* at[3];             // hour, minute, half
    const char* tip;
    std::int64_t seconds;  // until firing
  };
  const Row rows[] = {
      // Spring: 01:30 winter time to 03:30 summer time is one hour.
      {3, 29, 1, 30, {"3", "30", "AM"}, "Reboot on 3/29/2026 3:30:00 AM", 3600},
      // 02:30 is skipped: the clock passes it at the change, 02:00 winter time.
      {3, 29, 1, 0, {"2", "30", "AM"}, "Reboot on 3/29/2026 3:00:00 AM", 3600},
      // Autumn: 02:30 first shows in summer time, half an hour after 02:00 summer time.
      {10, 25, 2, 0, {"2", "30", "AM"}, "Reboot on 10/25/2026 2:30:00 AM", 1800},
      // 01:30 summer time to 03:30 winter time is three hours.
      {10, 25, 1, 30, {"3", "30", "AM"}, "Reboot on 10/25/2026 3:30:00 AM", 3 * 3600},
  };
  for (const Row& row : rows) {
    HeadlessWindowSystem ws2;
    FakePlatform platform2;
    platform2.clock = &ws2.clock;
    ws2.clock.zone = centralEuropeanZone();
    ws2.clock.set(LocalTime{2026, row.month, row.day, row.hour, row.minute, 0, 200});
    frmMain form2(ws2, platform2);
    form2.start();
    form2.tmrRefresh.setEnabled(false);
    form2.cmbAction.setText("Reboot");
    form2.opt1.click();
    form2.txtHour.replaceText(row.at[0]);
    form2.txtMin.replaceText(row.at[1]);
    form2.cmbT.setText(row.at[2]);
    form2.cmdTimer.click();
    EXPECT_EQ(tipOf(platform2.named("Shell_NotifyIconA").back()), row.tip);
    ws2.advance(row.seconds * 1000 - 500);
    EXPECT_FALSE(ws2.ended()) << row.tip;
    ws2.advance(500);
    EXPECT_TRUE(ws2.ended()) << row.tip;
  }
}

TEST_F(DaylightSaving, ClockTimeInTheRepeatedHourTakesTheShowingStillAhead) {
  // 02:20 on the second pass (winter time, 01:20 UTC): 02:30 shows again in ten minutes.
  ws.clock.setMilliseconds((utcOf(10, 25, 1, 20) + kUnixEpoch) * 1000);
  armClock("2", "30", "AM");
  EXPECT_EQ(tip(), "Reboot on 10/25/2026 2:30:00 AM");
  EXPECT_EQ(runToFiring(3600'000), 600'000);
}

TEST_F(DaylightSaving, ClockTimeOnceBothShowingsArePastIsTomorrow) {
  ws.clock.setMilliseconds((utcOf(10, 25, 1, 40) + kUnixEpoch) * 1000);  // 02:40, second pass
  armClock("2", "30", "AM");
  EXPECT_EQ(tip(), "Reboot on 10/26/2026 2:30:00 AM");
  ws.advance(500);
  EXPECT_EQ(remaining(), 24 * 3600 - 600);
}

TEST_F(DaylightSaving, SettingTheClockStillMovesTheCountdown) {
  setLocal(3, 29, 1, 58, 30);
  armPeriod("3", "Minutes");
  ws.advance(500);
  EXPECT_EQ(remaining(), 180);
  ws.clock.setMilliseconds(ws.clock.milliseconds() + 60'000);  // set a minute forward
  ws.advance(500);
  EXPECT_EQ(remaining(), 119);
  EXPECT_EQ(runToFiring(3600'000), 119'000);
}

TEST_F(DaylightSaving, WithoutTheZonesAnswerThePresentOffsetIsUsed) {
  setLocal(12, 6, 10, 0, 0);
  platform.failLocalFromUtc = true;
  armClock("11", "00", "AM");
  EXPECT_EQ(tip(), "Reboot on 12/6/2026 11:00:00 AM");
  ws.advance(500);
  EXPECT_EQ(remaining(), 3600);
}

}  // namespace
}  // namespace slumbrix::test
