#include "ui/timer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "support/test_form.h"

namespace slumbrix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Three timers of the test form, all disabled, each under a name of its own here. Each tick is
// logged as "name@ms", ms counted from the moment the form was loaded.
class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Timer* t : {&thetime, &Timer_, &tmrRefresh}) {
      t->setEnabled(false);
      t->setInterval(500);
      t->Tick = [this, t] { log.push_back(nameOf(t) + "@" + std::to_string(elapsed())); };
    }
    form.load();
    start = ws.clock.milliseconds();
  }
  std::int64_t elapsed() const { return ws.clock.milliseconds() - start; }
  std::string nameOf(const Timer* t) const {
    return t == &thetime ? "thetime" : t == &Timer_ ? "Timer" : "tmrRefresh";
  }

  test::HeadlessWindowSystem ws;
  test::TestForm form{ws};
  Timer& thetime = form.tmrPrecise;
  Timer& Timer_ = form.tmrCoarse;
  Timer& tmrRefresh = form.tmrZero;
  std::int64_t start = 0;
  std::vector<std::string> log;
};

TEST_F(TimerTest, TicksEveryIntervalWhileEnabled) {
  thetime.setEnabled(true);
  ws.advance(1499);
  EXPECT_THAT(log, ElementsAre("thetime@500", "thetime@1000"));
  ws.advance(1);
  EXPECT_THAT(log, ElementsAre("thetime@500", "thetime@1000", "thetime@1500"));
  EXPECT_EQ(elapsed(), 1500);
}

TEST_F(TimerTest, DueTicksComeInTimeOrderWithTiesInEnablingOrder) {
  tmrRefresh.setEnabled(true);  // enabled first: first at every shared moment
  ws.advance(250);
  Timer_.setInterval(250);
  Timer_.setEnabled(true);   // due at 500, 750, 1000
  thetime.setEnabled(true);  // due at 750
  ws.advance(750);
  EXPECT_THAT(log, ElementsAre("tmrRefresh@500", "Timer@500", "Timer@750", "thetime@750",
                               "tmrRefresh@1000", "Timer@1000"));
}

TEST_F(TimerTest, HandlerThatDisablesATimerStopsItsFurtherTicks) {
  struct Row {
    const char* what;
    Timer* disabledBy;  // the timer whose handler disables Timer_
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"itself", &Timer_, {"tmrRefresh@500", "Timer@500", "tmrRefresh@1000", "tmrRefresh@1500"}},
      // tmrRefresh ticks first at 500, so Timer_ never ticks.
      {"an earlier tie", &tmrRefresh, {"tmrRefresh@500", "tmrRefresh@1000", "tmrRefresh@1500"}},
  };
  for (const Row& row : rows) {
    log.clear();
    start = ws.clock.milliseconds();
    tmrRefresh.setEnabled(true);
    Timer_.setEnabled(true);
    Timer* by = row.disabledBy;
    by->Tick = [this, by] {
      log.push_back(nameOf(by) + "@" + std::to_string(elapsed()));
      Timer_.setEnabled(false);
    };
    ws.advance(1500);
    EXPECT_EQ(log, row.expected) << row.what;
    tmrRefresh.setEnabled(false);
  }
}

TEST_F(TimerTest, DisablingStopsAndEnablingStartsAFreshInterval) {
  thetime.setEnabled(true);
  ws.advance(700);
  thetime.setEnabled(false);
  ws.advance(2000);
  thetime.setEnabled(true);  // at 2700
  ws.advance(400);
  EXPECT_THAT(log, ElementsAre("thetime@500"));
  ws.advance(100);
  EXPECT_THAT(log, ElementsAre("thetime@500", "thetime@3200"));
}

TEST_F(TimerTest, ShortIntervalTicksManyTimesWithinOneAdvance) {
  Timer_.setInterval(10);
  Timer_.setEnabled(true);
  thetime.setEnabled(true);
  ws.advance(500);
  ASSERT_EQ(log.size(), 51u);
  EXPECT_EQ(log[49], "Timer@500");  // enabled first, so first at 500
  EXPECT_EQ(log[50], "thetime@500");
}

TEST_F(TimerTest, ZeroIntervalNeverTicks) {
  thetime.setInterval(0);
  thetime.setEnabled(true);
  ws.advance(10000);
  EXPECT_THAT(log, IsEmpty());
}

TEST_F(TimerTest, EndProgramStopsEveryTimerAtOnce) {
  thetime.setEnabled(true);
  Timer_.setEnabled(true);
  tmrRefresh.setEnabled(true);
  Timer_.Tick = [&] {
    log.push_back("Timer ends");
    ws.endProgram();
    tmrRefresh.setEnabled(false);  // the handler returns through its code untouched
    tmrRefresh.setEnabled(true);
  };
  ws.advance(5000);
  EXPECT_TRUE(ws.ended());
  EXPECT_THAT(log, ElementsAre("thetime@500", "Timer ends"));
  ws.advance(5000);
  EXPECT_THAT(log, ElementsAre("thetime@500", "Timer ends"));
}

TEST_F(TimerTest, LateTickOfADisabledTimerRunsNothing) {
  // A front end may still deliver a tick that was queued before the timer was disabled.
  thetime.setEnabled(true);
  thetime.tick();
  thetime.setEnabled(false);
  thetime.tick();
  thetime.setEnabled(true);
  thetime.setInterval(0);
  thetime.tick();
  EXPECT_THAT(log, ElementsAre("thetime@0"));
}

TEST_F(TimerTest, TimersKeepTickingWhileAModalWindowIsOpen) {
  test::SmallForm frmAbout{ws};
  thetime.setEnabled(true);
  frmAbout.showModal(form);
  ASSERT_FALSE(form.takesInput());
  ws.advance(1000);
  EXPECT_THAT(log, ElementsAre("thetime@500", "thetime@1000"));
  frmAbout.unload();
}

TEST_F(TimerTest, UnloadingTheFormStopsItsTimers) {
  form.cancelUnload = false;
  thetime.setEnabled(true);
  ws.advance(500);
  ASSERT_TRUE(form.unload());
  ws.advance(5000);
  EXPECT_THAT(log, ElementsAre("thetime@500"));
}

}  // namespace
}  // namespace slumbrix
