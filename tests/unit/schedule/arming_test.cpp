#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "schedule/targets.h"

namespace slumbrix::test {
namespace {

DateTime at(int day, int hour, int minute, int second) {
  return datetime::fromParts(2026, 12, day, hour, minute, second);
}

TEST(ClockTimeTarget, TakesTheNextOccurrenceOfTheClockTime) {
  struct Row {
    DateTime now;
    const char* hour;
    const char* minute;
    const char* half;
    DateTime expected;
  };
  const LocaleFormats us;
  FakePlatform utc;  // no offset: local time is UTC
  const Row rows[] = {
      {at(6, 21, 4, 59), "9", "05", "PM", at(6, 21, 5, 0)},  // one second ahead
      {at(6, 21, 5, 0), "9", "05", "PM", at(6, 21, 5, 0)},   // now: the first tick fires
      {at(6, 21, 5, 1), "9", "05", "PM", at(7, 21, 5, 0)},   // passed: tomorrow
      {at(6, 10, 0, 0), "12", "00", "AM", at(7, 0, 0, 0)},   // the coming midnight
      {at(6, 0, 0, 0), "12", "00", "AM", at(6, 0, 0, 0)},    // exactly midnight now
      {at(6, 12, 29, 59), "12", "30", "PM", at(6, 12, 30, 0)},
      {at(6, 12, 30, 1), "12", "30", "PM", at(7, 12, 30, 0)},
      {at(6, 10, 0, 0), "11", "59", "PM", at(6, 23, 59, 0)},
      {at(31, 23, 0, 0), "1", "00", "AM", datetime::fromParts(2027, 1, 1, 1, 0, 0)},
      {at(6, 10, 0, 0), "1a", "30", "PM", at(6, 13, 30, 0)},  // pasted hour: leading number
      {at(6, 10, 0, 0), "9", "", "PM", at(6, 21, 0, 0)},      // empty minute reads as 0
      {at(6, 10, 0, 0), "", "7", "AM", at(7, 1, 7, 0)},       // empty hour: brought to 1
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ClockTimeTarget(utc, row.now, row.hour, row.minute, row.half, us), row.expected)
        << row.hour << ":" << row.minute << row.half << " at "
        << datetime::formatGeneral(row.now, us);
  }
}

TEST(ClockTimeTarget, DoesNotDependOnTheLocalesDateOrder) {
  const LocaleFormats german{"dd.MM.yyyy", "HH:mm:ss", "", ""};
  const LocaleFormats shortYear{"MM/dd/yy", "HH:mm:ss", "AM", "PM"};
  FakePlatform utc;
  EXPECT_EQ(ClockTimeTarget(utc, at(6, 10, 0, 0), "9", "05", "PM", german), at(6, 21, 5, 0));
  EXPECT_EQ(ClockTimeTarget(utc, at(6, 10, 0, 0), "9", "05", "PM", shortYear), at(6, 21, 5, 0));
}

TEST(PeriodTarget, AddsWholeUnitsAndKeepsTheSecond) {
  EXPECT_EQ(PeriodTarget(at(6, 10, 0, 0), "Seconds", 5), at(6, 10, 0, 5));
  EXPECT_EQ(PeriodTarget(at(6, 14, 20, 37), "Minutes", 5), at(6, 14, 25, 37));
  EXPECT_EQ(PeriodTarget(at(6, 23, 30, 0), "Hours", 1), at(7, 0, 30, 0));
  EXPECT_EQ(PeriodTarget(at(6, 10, 0, 0), "Hours", 999), datetime::add("d", 41, at(7, 1, 0, 0)));
}

class Arming : public MainWindowTest {
 protected:
  Arming() { loadWindow(); }
};

TEST_F(Arming, ArmingAPeriodLocksTheOptionsAndWritesTheTooltip) {
  form.cmbAction.setText("Reboot");
  form.cmbUnit.setText("Seconds");
  form.txtPeriod.setText("5");
  form.chkBlink.setValue(0);
  ASSERT_TRUE(form.cmdTimer.click());

  EXPECT_FALSE(form.frame.Enabled());
  EXPECT_EQ(form.cmdTimer.Caption(), "Deactivate Timer");
  EXPECT_EQ(form.lblStatus.Caption(), "Timer Deactivated");  // until the first tick
  EXPECT_EQ(form.mstrAction, "Reboot");
  EXPECT_EQ(form.mblnForce, kVbTrue);
  EXPECT_EQ(form.mblnBlink, kVbFalse);
  EXPECT_EQ(form.mlngBlinkSeconds, 30);  // stored although flashing is off
  EXPECT_EQ(form.mdatTarget, at(6, 10, 0, 5));
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
  EXPECT_TRUE(form.Timer_.Enabled());
  const auto sends = trayCalls();
  ASSERT_EQ(sends.size(), 1u);
  EXPECT_EQ(sends[0].args[0], kNimModify);
  EXPECT_EQ(tipOf(sends[0]), "Reboot on 12/6/2026 10:00:05 AM");
}

TEST_F(Arming, MidnightTargetShowsTheDateAlone) {
  form.opt1.click();
  form.txtHour.setText("12");
  form.txtMin.setText("00");
  form.cmdTimer.click();
  EXPECT_EQ(tipOf(trayCalls().back()), "Shutdown on 12/7/2026");
}

TEST_F(Arming, ClockTimeFromTheFieldsWithEmptyMinuteAndPastedHour) {
  form.opt1.click();
  ASSERT_TRUE(form.txtHour.replaceText("1a"));  // leading number 1 equals the value: kept
  ASSERT_EQ(form.txtHour.Text(), "1a");
  ASSERT_TRUE(form.txtMin.replaceText(""));  // value already 0: stays empty
  ASSERT_EQ(form.txtMin.Text(), "");
  form.cmbT.setText("PM");
  form.cmdTimer.click();
  EXPECT_EQ(form.mdatTarget, at(6, 13, 0, 0));
  EXPECT_EQ(tipOf(trayCalls().back()), "Shutdown on 12/6/2026 1:00:00 PM");
}

TEST_F(Arming, DisarmingRestoresTheIconTooltipAndOptions) {
  form.cmdTimer.click();
  form.mTrayIcon.hIcon = 0;  // as a flashing tick leaves it
  form.cmdTimer.click();

  EXPECT_TRUE(form.frame.Enabled());
  EXPECT_EQ(form.cmdTimer.Caption(), "Activate Timer");
  EXPECT_EQ(form.lblStatus.Caption(), "Timer Deactivated");
  EXPECT_EQ(form.mblnTimerActive, kVbFalse);
  EXPECT_FALSE(form.Timer_.Enabled());
  const auto sends = trayCalls();
  ASSERT_EQ(sends.size(), 2u);
  EXPECT_EQ(sends[1].args[0], kNimModify);
  EXPECT_EQ(tipOf(sends[1]), "No action started");
  EXPECT_EQ(form.mTrayIcon.hIcon, form.iconHandle());
  EXPECT_NE(form.mTrayIcon.hIcon, 0u);
}

TEST_F(Arming, CpuWatchIsArmedAndDisarmedWithoutTouchingTheTray) {
  form.Option1.click();
  form.cmdTimer.click();
  EXPECT_TRUE(form.timercpushut.Enabled());
  EXPECT_FALSE(form.Timer_.Enabled());
  EXPECT_TRUE(form.frame.Enabled());
  EXPECT_EQ(form.cmdTimer.Caption(), "Deactivate Timer");
  EXPECT_EQ(form.lblStatus.Caption(), "The CPU-Usage is supervised");

  // Another mode selected while watching: the click disarms the watch only.
  form.opt0.click();
  form.cmdTimer.click();
  EXPECT_FALSE(form.timercpushut.Enabled());
  EXPECT_FALSE(form.Timer_.Enabled());
  EXPECT_EQ(form.mblnTimerActive, kVbFalse);
  EXPECT_EQ(form.cmdTimer.Caption(), "Activate Timer");
  EXPECT_EQ(form.lblStatus.Caption(), "Timer Deactivated");
  EXPECT_TRUE(trayCalls().empty());

  // The next click arms the countdown.
  form.cmdTimer.click();
  EXPECT_TRUE(form.Timer_.Enabled());
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
  EXPECT_EQ(trayCalls().size(), 1u);
}

TEST_F(Arming, ArmedCountdownLocksEveryOptionControl) {
  form.cmdTimer.click();
  EXPECT_FALSE(form.Option1.click());
  EXPECT_FALSE(form.txtPeriod.typeChar('5'));
  EXPECT_FALSE(form.vsPeriod.arrowUp());
  EXPECT_FALSE(form.cmbAction.choose(1));
  EXPECT_TRUE(form.txtPeriod.Enabled());  // the children keep their own state
  EXPECT_EQ(form.vsPeriod.Value(), 1);
}

}  // namespace
}  // namespace slumbrix::test
