#include <gtest/gtest.h>

#include "app/frm_about.h"
#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

class TrayInteraction : public MainWindowTest {
 protected:
  TrayInteraction() {
    form.start();
    platform.clear();
    ws.windowLog.clear();
  }
  // The icon's callback: a mouse move whose x in pixels is the mouse message.
  void iconMessage(int message) { form.mouseMove(0, 0, message * 15.0, 0); }
};

TEST_F(TrayInteraction, TrayButtonHidesWithoutTellingTheShell) {
  form.cmdTimer.click();
  const NotifyIconData before = form.mTrayIcon;
  platform.clear();
  form.Command1.click();
  EXPECT_FALSE(form.isShown());
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_EQ(form.mTrayIcon.szTip, before.szTip);
}

TEST_F(TrayInteraction, DoubleClickClosesTheAboutWindowAndShowsTheMainWindow) {
  form.ueber.click();
  ASSERT_NE(form.about(), nullptr);
  EXPECT_FALSE(form.takesInput());
  form.hide();
  iconMessage(515);
  EXPECT_FALSE(form.about()->isLoaded());
  EXPECT_TRUE(form.isShown());
  EXPECT_TRUE(form.takesInput());
}

TEST_F(TrayInteraction, RightButtonUpBringsTheWindowForwardAndOpensThePopup) {
  form.hide();
  iconMessage(517);
  EXPECT_EQ(platform.names(), std::vector<std::string>{"SetForegroundWindow"});
  EXPECT_EQ(platform.calls[0].args[0], form.hWnd());
  EXPECT_EQ(ws.popups, std::vector<std::string>{"mnuPopup"});
  EXPECT_FALSE(form.isShown());
  ASSERT_TRUE(form.menuwieder.click());
  EXPECT_TRUE(form.isShown());
}

TEST_F(TrayInteraction, OtherMessagesAreIgnored) {
  form.hide();
  for (int message : {512, 513, 514, 516, 518, 519, 0, -5, 100000}) iconMessage(message);
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_TRUE(ws.popups.empty());
  EXPECT_FALSE(form.isShown());
}

TEST_F(TrayInteraction, ExitFromThePopupEndsWhileArmed) {
  form.cmdTimer.click();
  form.hide();
  iconMessage(517);
  ASSERT_TRUE(form.mnuExit.click());
  EXPECT_TRUE(ws.ended());
  EXPECT_TRUE(platform.named("ExitWindowsEx").empty());
}

TEST_F(TrayInteraction, ThePopupMenuWorksWhileTheAboutWindowIsOpen) {
  form.cmdTimer.click();  // armed: "Shutdown" in an hour
  form.ueber.click();
  ASSERT_NE(form.about(), nullptr);
  ASSERT_FALSE(form.takesInput());
  EXPECT_FALSE(form.beendn.click());  // the File menu is the window's own: blocked
  platform.clear();

  iconMessage(517);
  EXPECT_EQ(platform.names(), std::vector<std::string>{"SetForegroundWindow"});
  EXPECT_EQ(ws.popups, std::vector<std::string>{"mnuPopup"});
  ASSERT_TRUE(form.menuwieder.click());  // the window already shows: nothing changes
  EXPECT_TRUE(form.isShown());
  EXPECT_TRUE(form.about()->isShown());
  EXPECT_FALSE(ws.ended());

  iconMessage(517);
  ASSERT_TRUE(form.mnuExit.click());
  EXPECT_TRUE(ws.ended());
  EXPECT_EQ(form.mblnExit, kVbTrue);
  const auto trayCalls = platform.named("Shell_NotifyIconA");
  ASSERT_EQ(trayCalls.size(), 1u);
  EXPECT_EQ(trayCalls[0].args[0], kNimDelete);
  // Nothing is performed, not even later at the armed moment.
  ws.advance(2 * 3600 * 1000);
  for (const char* action : {"ExitWindowsEx", "SetSuspendState", "LockWorkStation", "SendMessageA"})
    EXPECT_TRUE(platform.named(action).empty()) << action;
}

TEST_F(TrayInteraction, AboutWindowOpensModalAndOpensTheMakersPage) {
  form.ueber.click();
  frmAbout* about = form.about();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(ws.windowLog, std::vector<std::string>{"modal frmAbout"});
  EXPECT_FALSE(form.cmdTimer.click());  // the owner takes no input
  about->Picture1.click();
  about->Picture1.click();
  const auto opens = platform.named("ShellExecuteA");
  ASSERT_EQ(opens.size(), 2u);
  EXPECT_EQ(opens[0].args[0], ws.windowHandle(*about));
  EXPECT_EQ(opens[0].args[1], 1);
  EXPECT_EQ(opens[0].strings,
            (std::vector<std::string>{"<null>", kMakerAddress, "<null>", "<null>"}));
  EXPECT_TRUE(about->isShown());

  // The notice is read-only and has no key filter: Ctrl+A and Ctrl+C copy it.
  EXPECT_TRUE(about->txtÜberProg.typeChar(TextBox::kCtrlA));
  EXPECT_TRUE(about->txtÜberProg.typeChar(TextBox::kCtrlC));
  EXPECT_EQ(ws.clipboard, frmAbout::kNotice);
  about->txtÜberProg.select(40, 10);
  about->Command1.click();
  EXPECT_FALSE(about->isLoaded());
  EXPECT_TRUE(form.takesInput());
  form.ueber.click();
  EXPECT_EQ(form.about()->txtÜberProg.SelStart(), 0);
  EXPECT_EQ(form.about()->txtÜberProg.Text(), frmAbout::kNotice);
}

}  // namespace
}  // namespace slumbrix::test
