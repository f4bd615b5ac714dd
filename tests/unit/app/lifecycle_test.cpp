#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

using Lifecycle = MainWindowTest;

std::vector<std::string> items(const ComboBox& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
  return out;
}

TEST_F(Lifecycle, StartOnXpOffersTheLockAndAddsTheTrayIcon) {
  form.start();
  EXPECT_EQ(form.glngWhichWindows32, 1);
  EXPECT_EQ(items(form.cmbAction),
            (std::vector<std::string>{"Shutdown", "Reboot", "Log OFF", "Standby",
                                      "Start Screensaver", "Lock Computer"}));
  EXPECT_EQ(form.cmbAction.Text(), "Shutdown");
  EXPECT_EQ(form.cmbUnit.Text(), "Hours");
  EXPECT_EQ(form.cmbT.Text(), "AM");
  EXPECT_EQ(form.lblCpuUsage.Caption(), "100");  // the first figure, taken while loading
  EXPECT_TRUE(form.tmrRefresh.Enabled());
  EXPECT_EQ(ws.windowLog, std::vector<std::string>{"show frmMain"});

  const auto tray = trayCalls();
  ASSERT_EQ(tray.size(), 1u);
  EXPECT_EQ(tray[0].args[0], kNimAdd);
  EXPECT_EQ(tipOf(tray[0]), "No action started");
  EXPECT_EQ(form.mTrayIcon.uID, 1u);
  EXPECT_EQ(form.mTrayIcon.hWnd, form.hWnd());
  EXPECT_NE(form.mTrayIcon.hIcon, 0u);

  // The priorities are raised before the provider starts; the icon comes last.
  const auto names = platform.names();
  const auto at = [&](const std::string& name) {
    return std::find(names.begin(), names.end(), name) - names.begin();
  };
  EXPECT_EQ(names.front(), "GetVersion");
  EXPECT_LT(at("PrevInstance"), at("SetThreadPriority"));
  EXPECT_LT(at("SetThreadPriority"), at("SetPriorityClass"));
  EXPECT_LT(at("SetPriorityClass"), at("NtQuerySystemInformation"));
  EXPECT_EQ(names.back(), "Shell_NotifyIconA");
  EXPECT_EQ(platform.named("SetThreadPriority")[0].args[1], 2);
  EXPECT_EQ(platform.named("SetPriorityClass")[0].args[1], 0x80);
}

TEST_F(Lifecycle, StartOn98OffersFiveActionsAndReadsTheRegistryStatistic) {
  platform.version = windows::k98;
  platform.cpuUsageValue = 37;
  form.start();
  EXPECT_EQ(form.glngWhichWindows32, 0);
  EXPECT_EQ(form.cmbAction.ListCount(), 5);
  EXPECT_TRUE(platform.named("NtQuerySystemInformation").empty());
  EXPECT_FALSE(platform.named("RegQueryValueExA").empty());
  EXPECT_EQ(form.lblCpuUsage.Caption(), "37");
}

TEST_F(Lifecycle, TheLockIsOfferedOnWindows2000AndXpOnly) {
  const std::pair<FakeWindowsVersion, bool> rows[] = {
      {windows::k95, false},  {windows::k98, false},  {windows::kMe, false},
      {windows::kNt4, false}, {windows::k2000, true}, {windows::kXp, true},
  };
  for (const auto& [version, offersLock] : rows) {
    HeadlessWindowSystem ws2;
    FakePlatform platform2;
    platform2.clock = &ws2.clock;
    platform2.version = version;
    frmMain f(ws2, platform2);
    f.start();
    std::vector<std::string> expected = {"Shutdown", "Reboot", "Log OFF", "Standby",
                                         "Start Screensaver"};
    if (offersLock) expected.push_back("Lock Computer");
    EXPECT_EQ(items(f.cmbAction), expected) << version.major << "." << version.minor;
    EXPECT_EQ(f.cmbAction.Text(), "Shutdown");
  }
}

TEST_F(Lifecycle, SecondInstanceOnlyShowsTheMessageAndEnds) {
  platform.previousInstance = true;
  form.start();
  ASSERT_EQ(ws.messageBoxes.size(), 1u);
  EXPECT_EQ(ws.messageBoxes[0].text, "Slumbrix is already running");
  EXPECT_EQ(ws.messageBoxes[0].style, kMbIconInformation);
  EXPECT_EQ(ws.messageBoxes[0].title, "Slumbrix");
  EXPECT_TRUE(ws.ended());
  EXPECT_TRUE(trayCalls().empty());
  EXPECT_TRUE(ws.windowLog.empty());
  EXPECT_FALSE(form.isLoaded());
}

TEST_F(Lifecycle, ExitFromEitherMenuRemovesTheIconAndPerformsNothing) {
  for (bool popup : {false, true}) {
    HeadlessWindowSystem ws2;
    FakePlatform platform2;
    platform2.clock = &ws2.clock;
    frmMain f(ws2, platform2);
    f.start();
    f.cmdTimer.click();  // armed: 1 hour
    platform2.clear();
    ASSERT_TRUE((popup ? f.mnuExit : f.beendn).click());
    EXPECT_TRUE(ws2.ended());
    EXPECT_EQ(platform2.names(), std::vector<std::string>{"Shell_NotifyIconA"});
    EXPECT_EQ(platform2.calls[0].args[0], kNimDelete);
    ws2.advance(4 * 3600 * 1000);
    EXPECT_EQ(platform2.calls.size(), 1u);
  }
}

// On 95/98 the kernel gathers its CPU statistic from the provider's start until it is told
// to stop; an exit that forgot to tell it would leave it running.
TEST_F(Lifecycle, ExitOn98StopsTheKernelsStatistic) {
  platform.version = windows::k98;
  platform.cpuUsageValue = 20;
  form.start();
  ws.advance(1000);
  platform.clear();
  ASSERT_TRUE(form.beendn.click());
  EXPECT_TRUE(ws.ended());
  const std::vector<std::string> expected = {
      "Shell_NotifyIconA 2",
      "RegCloseKey 101",
      "RegOpenKeyExA 80000006 0 f003f \"PerfStats\\StopStat\"",
      "RegQueryValueExA 102 0 4 \"KERNEL\\CPUUsage\"",
      "RegCloseKey 102",
  };
  EXPECT_EQ(platform.trace(), expected);
  ws.advance(2000);
  EXPECT_EQ(platform.named("RegQueryValueExA").size(), 1u) << "no reading after the stop";
}

TEST_F(Lifecycle, CloseAndEscapeOnlyHideAndAnArmedTimerStillFires) {
  form.start();
  form.cmbUnit.setText("Seconds");
  form.txtPeriod.setText("3");
  form.cmdTimer.click();
  EXPECT_FALSE(form.requestClose());
  EXPECT_FALSE(form.isShown());
  EXPECT_TRUE(form.isLoaded());
  form.show();
  form.txtBlink.typeChar(27);  // into a control: the window does not see it
  EXPECT_TRUE(form.isShown());
  form.keyPress('x');
  EXPECT_TRUE(form.isShown());
  form.keyPress(27);
  EXPECT_FALSE(form.isShown());
  ws.advance(3500);
  EXPECT_TRUE(ws.ended());
  EXPECT_EQ(platform.named("ExitWindowsEx").size(), 1u);
}

}  // namespace
}  // namespace slumbrix::test
