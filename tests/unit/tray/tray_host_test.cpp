#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frm_about.h"
#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

constexpr std::int64_t kNimAdd = 0;

class TrayHost : public MainWindowTest {
 protected:
  void startWithTray(bool shown) {
    platform.results["Shell_NotifyIconA"] = shown ? 1 : 0;
    form.start();
    platform.clear();
    ws.windowLog.clear();
  }
};

TEST_F(TrayHost, EveryWayOffTheScreenFollowsTheTray) {
  // With a tray the window hides; without one it keeps a taskbar button and is minimised.
  struct Row {
    const char* way;
    void (*leave)(frmMain&);
  };
  const std::vector<Row> ways = {
      {"Tray", [](frmMain& f) { f.Command1.click(); }},
      {"Esc", [](frmMain& f) { f.keyPress(27); }},
      {"close box", [](frmMain& f) { f.requestClose(); }},
  };
  for (const bool shown : {true, false}) {
    for (const Row& row : ways) {
      SCOPED_TRACE(std::string(row.way) + (shown ? " with a tray" : " without a tray"));
      HeadlessWindowSystem windows;
      FakePlatform fake;
      fake.results["Shell_NotifyIconA"] = shown ? 1 : 0;
      frmMain main(windows, fake);
      main.start();
      EXPECT_EQ(main.showInTaskbar, !shown);
      windows.windowLog.clear();
      row.leave(main);
      EXPECT_EQ(windows.windowLog, std::vector<std::string>{
                                       shown ? "hide frmMain" : "minimize frmMain to the taskbar"});
      EXPECT_EQ(main.isShown(), !shown);
      EXPECT_TRUE(main.isLoaded());
    }
  }
}

TEST_F(TrayHost, TheHostGoingAwayBringsBackAHiddenWindowWithATaskbarButton) {
  startWithTray(true);
  form.cmdTimer.click();  // armed: the program must stay reachable
  form.Command1.click();
  ws.windowLog.clear();
  platform.clear();

  form.taskbarGone();
  EXPECT_EQ(ws.windowLog, std::vector<std::string>{"minimize frmMain to the taskbar"});
  EXPECT_TRUE(form.isShown());
  EXPECT_TRUE(platform.calls.empty());
  // From now on "Tray" minimises as well.
  ws.windowLog.clear();
  form.Command1.click();
  EXPECT_EQ(ws.windowLog, std::vector<std::string>{"minimize frmMain to the taskbar"});
}

TEST_F(TrayHost, TheHostGoingAwayLeavesAShownWindowAlone) {
  startWithTray(true);
  form.taskbarGone();
  EXPECT_TRUE(ws.windowLog.empty());
  EXPECT_TRUE(form.showInTaskbar);
  EXPECT_TRUE(form.isShown());
}

TEST_F(TrayHost, ANewNotificationAreaGetsTheIconWithItsCurrentTooltipAndTrayHidesAgain) {
  startWithTray(true);
  form.cmdTimer.click();  // the tooltip names the armed action
  const std::string armedTip = form.mTrayIcon.tipText();
  form.Command1.click();
  form.taskbarGone();
  platform.clear();
  ws.windowLog.clear();

  form.taskbarCreated();
  ASSERT_EQ(platform.names(), std::vector<std::string>{"Shell_NotifyIconA"});
  EXPECT_EQ(platform.calls[0].args[0], kNimAdd);
  EXPECT_EQ(tipOf(platform.calls[0]), armedTip);
  EXPECT_NE(armedTip, "No action started");
  EXPECT_FALSE(form.showInTaskbar);
  EXPECT_TRUE(ws.windowLog.empty());  // the minimised window stays where it is

  form.Command1.click();
  EXPECT_EQ(ws.windowLog, std::vector<std::string>{"hide frmMain"});
  EXPECT_FALSE(form.isShown());
}

TEST_F(TrayHost, AShellThatStillHoldsTheIconTakesItAsAChange) {
  startWithTray(true);
  platform.results["Shell_NotifyIconA(0)"] = 0;  // the addition is refused ...
  form.taskbarCreated();
  std::vector<std::int64_t> messages;
  for (const PlatformCall& call : trayCalls()) messages.push_back(call.args[0]);
  EXPECT_EQ(messages, (std::vector<std::int64_t>{0, 1}));  // ... and the change taken
  EXPECT_FALSE(form.showInTaskbar);
}

TEST_F(TrayHost, ANotificationAreaThatTakesNeitherCountsAsNone) {
  startWithTray(false);
  platform.results["Shell_NotifyIconA"] = 0;
  form.taskbarCreated();
  EXPECT_TRUE(form.showInTaskbar);
  form.Command1.click();
  EXPECT_EQ(ws.windowLog, std::vector<std::string>{"minimize frmMain to the taskbar"});

  // A later one that takes it: "Tray" hides into it.
  platform.results["Shell_NotifyIconA"] = 1;
  form.taskbarCreated();
  ws.windowLog.clear();
  form.Command1.click();
  EXPECT_EQ(ws.windowLog, std::vector<std::string>{"hide frmMain"});
}

TEST_F(TrayHost, TheShellRestartingWhileTheWindowIsHiddenKeepsItHidden) {
  // Windows: Explorer ends and starts again; only its "TaskbarCreated" is heard.
  startWithTray(true);
  form.Command1.click();
  ws.windowLog.clear();
  form.taskbarCreated();
  EXPECT_EQ(platform.names(), std::vector<std::string>{"Shell_NotifyIconA"});
  EXPECT_TRUE(ws.windowLog.empty());
  EXPECT_FALSE(form.isShown());
}

TEST_F(TrayHost, ANotificationAreaGoingWhileTheAboutWindowIsOpenStillReachesTheMainWindow) {
  startWithTray(true);
  form.ueber.click();
  ASSERT_FALSE(form.takesInput());
  form.taskbarGone();
  EXPECT_TRUE(form.showInTaskbar);
  form.taskbarCreated();
  EXPECT_FALSE(form.showInTaskbar);
  EXPECT_TRUE(form.about()->isLoaded());
}

TEST_F(TrayHost, TheTrayMenuIsThePopupMenu) {
  EXPECT_EQ(form.trayMenu, &form.mnuPopup);
}

}  // namespace
}  // namespace slumbrix::test
