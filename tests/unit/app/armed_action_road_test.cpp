// The whole program, headless: started, armed for "Reboot" in 5 minutes, ticked by the
// virtual clock, fired and ended, with every platform call checked in order.
#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

// The calls as describe() writes them, the meter's readings left out unless asked for.
std::vector<std::string> describeAll(const std::vector<PlatformCall>& calls,
                                     bool withMeter = false) {
  std::vector<std::string> out;
  for (const auto& call : calls)
    if (withMeter || call.name != "NtQuerySystemInformation") out.push_back(describe(call));
  return out;
}

class ArmedActionRoad : public MainWindowTest {};

TEST_F(ArmedActionRoad, RebootInFiveMinutes) {
  form.start();
  EXPECT_EQ(
      platform.trace(),
      (std::vector<std::string>{
          "GetVersion", "PrevInstance", "GetVersionExA", "GetVersionExA", "GetCurrentThread",
          "SetThreadPriority fffffffe 2", "GetCurrentProcess", "SetPriorityClass ffffffff 80",
          "GetVersionExA", "NtQuerySystemInformation 3 20 0", "NtQuerySystemInformation 2 138 0",
          "NtQuerySystemInformation 0 2c 0", "NtQuerySystemInformation 3 20 0",
          "NtQuerySystemInformation 2 138 0", "Shell_NotifyIconA 0"}));

  // 1. "Reboot", "Activate in:" 5 "Minutes", Activate Timer.
  ASSERT_TRUE(form.cmbAction.choose(1));
  ASSERT_TRUE(form.txtPeriod.replaceText("5"));
  ASSERT_TRUE(form.cmbUnit.choose(1));
  platform.clear();
  ws.advance(200);
  ASSERT_TRUE(form.cmdTimer.click());
  // 2. Options locked, target fixed, tooltip sent, countdown running.
  EXPECT_FALSE(form.frame.Enabled());
  EXPECT_EQ(tipOf(trayCalls().back()), "Reboot on 12/6/2026 10:05:00 AM");
  // 3. The status counts down every 500 ms; flashing starts 30 seconds before.
  ws.advance(1000);
  EXPECT_EQ(form.lblStatus.Caption(), "299 Seconds to the execution");
  ws.advance(268'000);  // 10:04:29.2
  EXPECT_EQ(form.lblStatus.Caption(), "31 Seconds to the execution");
  EXPECT_EQ(trayCalls().size(), 1u);
  ws.advance(30'000);  // 10:04:59.2
  EXPECT_FALSE(ws.ended());
  EXPECT_EQ(form.lblStatus.Caption(), "1 Seconds to the execution");
  EXPECT_EQ(trayCalls().size(), 1u + 59u);
  // 4. and 5. The first tick at the target fires and the program ends.
  platform.clear();
  ws.advance(500);
  EXPECT_FALSE(ws.ended());
  ws.advance(500);
  ASSERT_TRUE(ws.ended());
  EXPECT_EQ(form.lblStatus.Caption(), "0 Seconds to the execution");
  EXPECT_EQ(
      describeAll(platform.calls),
      (std::vector<std::string>{
          "Shell_NotifyIconA 1", "Shell_NotifyIconA 1",  // the last two flashes
          "GetVersionExA", "GetCurrentProcess", "OpenProcessToken ffffffff 28",
          "LookupPrivilegeValueA \"\" \"SeShutdownPrivilege\"",
          describe(platform.named("AdjustTokenPrivileges")[0]),
          describe(platform.named("CloseHandle")[0]), "ExitWindowsEx 6 0", "GetCurrentProcess",
          "OpenProcessToken ffffffff 28", "LookupPrivilegeValueA \"\" \"SeShutdownPrivilege\"",
          describe(platform.named("AdjustTokenPrivileges")[1]),
          describe(platform.named("CloseHandle")[1]), "Shell_NotifyIconA 2"}));
  EXPECT_EQ(platform.named("AdjustTokenPrivileges")[0].records[0][12], 2);  // enable
  EXPECT_EQ(platform.named("AdjustTokenPrivileges")[1].records[0][12], 0);  // disable
  // Nothing runs after the end.
  const auto calls = platform.calls.size();
  ws.advance(60'000);
  EXPECT_EQ(platform.calls.size(), calls);
}

}  // namespace
}  // namespace slumbrix::test
