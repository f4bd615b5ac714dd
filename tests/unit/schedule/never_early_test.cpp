// Thousands of random schedules under the virtual clock: whatever the user and the wall clock
// do, no action fires before its target, a disarmed countdown never fires, and the program
// performs at most one action.
#include <gtest/gtest.h>

#include <random>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

struct Outcome {
  int actions = 0;
  bool firedEarly = false;
  bool firedDisarmed = false;
  bool callsAfterEnd = false;
};

class ActionCounter {
 public:
  explicit ActionCounter(const FakePlatform& platform) : platform_(platform) {}
  int count() const {
    int n = 0;
    for (const auto& call : platform_.calls)
      if (call.name == "ExitWindowsEx" || call.name == "SetSuspendState" ||
          call.name == "LockWorkStation" || call.name == "SendMessageA")
        ++n;
    return n;
  }

 private:
  const FakePlatform& platform_;
};

Outcome runSchedule(unsigned seed) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  HeadlessWindowSystem ws;
  FakePlatform platform;
  platform.clock = &ws.clock;
  ws.clock.set(LocalTime{2026, 12, 6, pick(24), pick(60), pick(60), pick(1000)});
  frmMain form(ws, platform);
  form.start();
  form.tmrRefresh.setEnabled(false);  // the meter has no part in scheduling; it only costs time
  const ActionCounter counter(platform);
  Outcome out;
  for (int step = 0; step < 40 && !ws.ended(); ++step) {
    const int before = counter.count();
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
        form.cmdTimer.click();
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
    const int fired = counter.count() - before;
    if (fired > 0) {
      const auto now = datetime::toSeconds(datetime::fromLocalTime(ws.clock.now()));
      if (now < datetime::toSeconds(form.mdatTarget)) out.firedEarly = true;
      if (!armed) out.firedDisarmed = true;  // fired although nothing was armed
    }
  }
  out.actions = counter.count();
  if (ws.ended()) {
    const auto calls = platform.calls.size();
    ws.advance(3'600'000);
    form.cmdTimer.click();
    out.callsAfterEnd = platform.calls.size() != calls;
  } else if (!isTrue(form.mblnTimerActive)) {
    // Whatever happened before, a disarmed countdown stays silent, also past any target.
    ws.clock.setMilliseconds(ws.clock.milliseconds() + 48LL * 3'600'000);
    ws.advance(2000);
    out.firedDisarmed = counter.count() != out.actions;
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
    fired += out.actions;
  }
  EXPECT_GT(fired, 200);  // the schedules do reach their targets
}

}  // namespace
}  // namespace slumbrix::test
