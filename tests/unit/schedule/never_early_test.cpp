// Thousands of random schedules under the virtual clock, also across the changes to and from
// daylight saving time: whatever the user and the wall clock do, no action fires before its
// target, every target is the one the user asked for (a period of elapsed time, the first
// showing of a clock time on the local clock), a disarmed countdown never fires, and the
// program performs at most one action.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "main_window_fixture.h"
#include "schedule/zone_time.h"

namespace slumbrix::test {
namespace {

struct Outcome {
  int actions = 0;
  bool firedEarly = false;
  bool firedDisarmed = false;
  bool callsAfterEnd = false;
  bool wrongTarget = false;
};

std::int64_t utcNow(FakePlatform& platform) {
  return datetime::toSeconds(PresentUtc(platform));
}

// The local clock at a UTC moment, in seconds of the local wall clock.
std::int64_t wallAt(FakePlatform& platform, std::int64_t utc) {
  return datetime::toSeconds(LocalOfUtc(platform, datetime::fromSeconds(utc)));
}

// The first UTC moment from `from` on at which the local clock shows the time of day
// `clockTime` (seconds after midnight) or jumps over it, found minute by minute: the zone's
// offsets are whole minutes.
std::int64_t firstShowing(FakePlatform& platform, std::int64_t from, std::int64_t clockTime) {
  const std::int64_t start = (from + 59) / 60 * 60;
  for (std::int64_t m = start; m < start + 2 * datetime::kSecondsPerDay; m += 60) {
    const std::int64_t wall = wallAt(platform, m);
    std::int64_t wanted = wall / datetime::kSecondsPerDay * datetime::kSecondsPerDay + clockTime;
    if (wall == wanted || (wallAt(platform, m - 1) < wanted && wanted < wall)) return m;
    if (wanted < wall) wanted += datetime::kSecondsPerDay;
    // Far ahead: skip whole minutes, keeping two hours for a change of the offset on the way.
    if (wanted - wall > 7200) m += (wanted - wall - 7200) / 60 * 60;
  }
  return -1;
}

// The target the user asked for with the options as they are at arming.
std::int64_t expectedTarget(frmMain& form, FakePlatform& platform, std::int64_t armedAt) {
  if (form.opt0.Value()) {
    const std::int64_t unit = form.cmbUnit.Text() == "Hours"     ? 3600
                              : form.cmbUnit.Text() == "Minutes" ? 60
                                                                 : 1;
    return armedAt + unit * form.vsPeriod.Value();
  }
  const int hour = form.vsHour.Value() % 12 + (form.cmbT.Text() == "PM" ? 12 : 0);
  return firstShowing(platform, armedAt, hour * 3600 + form.vsMin.Value() * 60);
}

// A start near one of the zone's two changes, or on an ordinary day.
LocalTime startTime(const std::function<int(int)>& pick) {
  static constexpr int kDays[][2] = {{3, 28}, {3, 29}, {10, 24}, {10, 25}, {12, 6}};
  const auto& day = kDays[pick(5)];
  return LocalTime{2026, day[0], day[1], pick(24), pick(60), pick(60), pick(1000)};
}

Outcome runSchedule(unsigned seed) {
  std::mt19937 rng(seed);
  std::function<int(int)> pick = [&](int n) {
    return static_cast<int>(rng() % static_cast<unsigned>(n));
  };
  HeadlessWindowSystem ws;
  FakePlatform platform;
  platform.clock = &ws.clock;
  if (seed % 4 != 0) ws.clock.zone = centralEuropeanZone();
  ws.clock.set(startTime(pick));
  frmMain form(ws, platform);
  form.start();
  form.tmrRefresh.setEnabled(false);  // the meter has no part in scheduling; it only costs time
  Outcome out;
  for (int step = 0; step < 40 && !ws.ended(); ++step) {
    const int before = platform.actionsPerformed();
    const bool armed = isTrue(form.mblnTimerActive);
    switch (pick(8)) {
      case 0: {  // arm or disarm with fresh options
        form.cmbAction.choose(pick(form.cmbAction.ListCount()));
        (pick(2) == 0 ? form.opt0 : form.opt1).click();
        form.cmbUnit.choose(pick(3));
        form.txtPeriod.replaceText(std::to_string(1 + pick(30)));
        form.txtHour.replaceText(std::to_string(1 + pick(12)));
        form.txtMin.replaceText(std::to_string(pick(60)));
        form.cmbT.choose(pick(2));
        form.vsBlink.setValue(static_cast<std::int16_t>(1 + pick(60)));
        const std::int64_t armedAt = utcNow(platform);
        form.cmdTimer.click();
        if (!armed &&
            datetime::toSeconds(form.mdatTarget) != expectedTarget(form, platform, armedAt))
          out.wrongTarget = true;
        break;
      }
      case 1:  // the wall clock set forward or back, up to two hours
        ws.clock.setMilliseconds(ws.clock.milliseconds() +
                                 (pick(2) == 0 ? 1 : -1) *
                                     static_cast<std::int64_t>(pick(7'200'000)));
        break;
      case 2:
        form.Command1.click();
        break;
      default:
        ws.advance(1 + pick(pick(2) == 0 ? 3000 : 60'000));
        break;
    }
    const int fired = platform.actionsPerformed() - before;
    if (fired > 0) {
      if (utcNow(platform) < datetime::toSeconds(form.mdatTarget)) out.firedEarly = true;
      if (!armed) out.firedDisarmed = true;  // fired although nothing was armed
    }
  }
  out.actions = platform.actionsPerformed();
  if (ws.ended()) {
    const auto calls = platform.calls.size();
    ws.advance(3'600'000);
    form.cmdTimer.click();
    out.callsAfterEnd = platform.calls.size() != calls;
  } else if (!isTrue(form.mblnTimerActive)) {
    // Whatever happened before, a disarmed countdown stays silent, also past any target.
    ws.clock.setMilliseconds(ws.clock.milliseconds() + 48LL * 3'600'000);
    ws.advance(2000);
    out.firedDisarmed = platform.actionsPerformed() != out.actions;
  }
  return out;
}

TEST(NeverEarlyNeverTwice, RandomSchedules) {
  int fired = 0;
  for (unsigned seed = 1; seed <= 2000; ++seed) {
    const Outcome out = runSchedule(seed);
    ASSERT_LE(out.actions, 1) << "seed " << seed;
    ASSERT_FALSE(out.firedEarly) << "seed " << seed;
    ASSERT_FALSE(out.firedDisarmed) << "seed " << seed;
    ASSERT_FALSE(out.callsAfterEnd) << "seed " << seed;
    ASSERT_FALSE(out.wrongTarget) << "seed " << seed;
    fired += out.actions;
  }
  EXPECT_GT(fired, 200);  // the schedules do reach their targets
}

}  // namespace
}  // namespace slumbrix::test
