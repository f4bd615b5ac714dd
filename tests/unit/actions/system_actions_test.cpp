#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "actions/mod_shutdown.h"
#include "app/frm_main.h"
#include "platform/windows_values.h"
#include "support/fake_platform.h"
#include "support/headless_window_system.h"

namespace slumbrix {
namespace {

using test::FakePlatform;
using test::FakeWindowsVersion;

std::string hex(std::int64_t value) {
  std::ostringstream out;
  out << std::hex << value;
  return out.str();
}

constexpr const char* kOpenToken = "OpenProcessToken ffffffff 28";
constexpr const char* kLookup = "LookupPrivilegeValueA \"\" \"SeShutdownPrivilege\"";

// The token steps of one privilege change on token `token`.
std::vector<std::string> privilegeSteps(std::int64_t token) {
  return {"GetCurrentProcess", kOpenToken, kLookup,
          "AdjustTokenPrivileges " + hex(token) + " 0 10 1", "CloseHandle " + hex(token)};
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

class SystemActions : public testing::Test {
 protected:
  SystemActions() {
    form.load();
    p.clear();
  }
  void fire(const std::string& action, VbBool force, FakeWindowsVersion version) {
    p.version = version;
    form.glngWhichWindows32 = modShutdown::WhichWindows32(p);
    form.mstrAction = action;
    form.mblnForce = force;
    p.clear();
    form.PerformAction();
  }

  test::HeadlessWindowSystem ws;
  FakePlatform p;
  frmMain form{ws, p};
};

TEST_F(SystemActions, RebootAndLogOffOnTheNtFamilyWrapTheRequestInThePrivilege) {
  struct Row {
    const char* action;
    VbBool force;
    const char* exitCall;
  };
  const Row rows[] = {{"Reboot", kVbTrue, "ExitWindowsEx 6 0"},
                      {"Reboot", kVbFalse, "ExitWindowsEx 2 0"},
                      {"Log OFF", kVbTrue, "ExitWindowsEx 4 0"},
                      {"Log OFF", kVbFalse, "ExitWindowsEx 0 0"}};
  for (const Row& row : rows) {
    fire(row.action, row.force, test::windows::kXp);
    const auto adjust = p.named("AdjustTokenPrivileges");
    ASSERT_EQ(adjust.size(), 2u) << row.action;
    // Each privilege change opens a fresh token and closes that one again.
    EXPECT_NE(adjust[0].args[0], adjust[1].args[0]);
    EXPECT_EQ(p.trace(), concat({{"GetVersionExA"},
                                 privilegeSteps(adjust[0].args[0]),
                                 {row.exitCall},
                                 privilegeSteps(adjust[1].args[0])}))
        << row.action << " " << row.force;
    constexpr std::size_t kAttributes = TokenPrivilegesLayout::kAttributes;
    EXPECT_EQ(adjust[0].records[0].at(kAttributes), 2) << "enabled before the request";
    EXPECT_EQ(adjust[1].records[0].at(kAttributes), 0) << "disabled after it";
  }
}

TEST_F(SystemActions, RebootAndLogOffOn95FamilyMakeNoTokenCalls) {
  for (const FakeWindowsVersion& version :
       {test::windows::k95, test::windows::k98, test::windows::kMe}) {
    fire("Reboot", kVbTrue, version);
    EXPECT_EQ(p.trace(), (std::vector<std::string>{"GetVersionExA", "ExitWindowsEx 6 0"}));
    fire("Log OFF", kVbFalse, version);
    EXPECT_EQ(p.trace(), (std::vector<std::string>{"GetVersionExA", "ExitWindowsEx 0 0"}));
  }
}

TEST_F(SystemActions, ShutdownAlwaysForcesAndPowersOff) {
  for (VbBool force : {kVbTrue, kVbFalse}) {
    fire("Shutdown", force, test::windows::kXp);
    const auto adjust = p.named("AdjustTokenPrivileges");
    ASSERT_EQ(adjust.size(), 1u);
    EXPECT_EQ(p.trace(), concat({privilegeSteps(adjust[0].args[0]), {"ExitWindowsEx d ffffffff"}}));

    fire("Shutdown", force, test::windows::k98);
    EXPECT_EQ(p.trace(), (std::vector<std::string>{"ExitWindowsEx d ffffffff"}));
  }
}

TEST_F(SystemActions, ShutdownTakesTheFamilyFromTheStartUpFlagOnly) {
  // A failed version query does not stop the privilege step on the NT family.
  p.failGetVersionEx = true;
  form.glngWhichWindows32 = 1;
  form.mstrAction = "Shutdown";
  form.PerformAction();
  EXPECT_EQ(p.named("GetVersionExA").size(), 0u);
  EXPECT_EQ(p.named("AdjustTokenPrivileges").size(), 1u);
}

TEST_F(SystemActions, StandbyOnlyWhereTheSystemCanSuspend) {
  struct Row {
    FakeWindowsVersion version;
    bool attempted;
  };
  const Row rows[] = {{test::windows::k95, false},
                      {test::windows::k98, true},
                      {test::windows::kMe, true},
                      {test::windows::kNt4, false},
                      {test::windows::k2000, true},
                      {test::windows::kXp, true},
                      {{0x0CE40205u, 5, 2, 3790, 2}, false},
                      {{0x17700006u, 6, 0, 6000, 2}, false},
                      {{0x80000000u, 3, 10, 0, 0}, false}};
  for (const Row& row : rows) {
    fire("Standby", kVbTrue, row.version);
    const std::vector<std::string> forced = {"GetVersionExA", "SetSuspendState 0 ffffffff 0"};
    const std::vector<std::string> none = {"GetVersionExA"};
    EXPECT_EQ(p.trace(), row.attempted ? forced : none)
        << row.version.major << "." << row.version.minor;
    fire("Standby", kVbFalse, row.version);
    if (row.attempted) {
      EXPECT_EQ(p.named("SetSuspendState").at(0).args, (std::vector<std::int64_t>{0, 0, 0}));
    }
  }
}

TEST_F(SystemActions, LockOnlyOn2000AndXp) {
  struct Row {
    FakeWindowsVersion version;
    bool attempted;
  };
  const Row rows[] = {{test::windows::k95, false},          {test::windows::k98, false},
                      {test::windows::kMe, false},          {test::windows::kNt4, false},
                      {test::windows::k2000, true},         {test::windows::kXp, true},
                      {{0x0CE40205u, 5, 2, 3790, 2}, false}};
  for (const Row& row : rows) {
    fire("Lock Computer", kVbTrue, row.version);
    EXPECT_EQ(p.named("LockWorkStation").size(), row.attempted ? 1u : 0u)
        << row.version.major << "." << row.version.minor;
    EXPECT_EQ(p.calls.size(), row.attempted ? 2u : 1u);
  }
}

TEST_F(SystemActions, ScreensaverIsOneSystemCommandToTheMainWindow) {
  ASSERT_NE(form.hWnd(), 0u);
  fire("Start Screensaver", kVbTrue, test::windows::kXp);
  EXPECT_EQ(p.trace(),
            std::vector<std::string>{"SendMessageA " + hex(form.hWnd()) + " 112 f140 0"});
}

TEST_F(SystemActions, NamesMatchOnlyExactly) {
  for (const char* action : {"shutdown", "SHUTDOWN", "reboot", "Log Off", "log off", "standby",
                             "Start screensaver", "lock computer", "Shutdown ", " Reboot", ""}) {
    fire(action, kVbTrue, test::windows::kXp);
    EXPECT_TRUE(p.calls.empty()) << '"' << action << '"';
  }
}

}  // namespace
}  // namespace slumbrix
