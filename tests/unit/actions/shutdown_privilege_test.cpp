#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "actions/mod_shutdown.h"
#include "actions/shutdown_records.h"
#include "app/frm_main.h"
#include "platform/windows_values.h"
#include "support/fake_platform.h"
#include "support/headless_window_system.h"

namespace slumbrix {
namespace {

using test::FakePlatform;
using Bytes = std::vector<std::uint8_t>;

// LUID 0x11223344 / -2, so that both halves and the sign of the high part show in the bytes.
void scriptLuid(FakePlatform& p) {
  p.luidLow = 0x11223344u;
  p.luidHigh = -2;
}

const Bytes kLuidBytes = {0x44, 0x33, 0x22, 0x11, 0xFE, 0xFF, 0xFF, 0xFF};

using L = TokenPrivilegesLayout;

Bytes record(std::uint8_t count, std::uint8_t attributes) {
  Bytes bytes(L::kSize, 0);
  bytes[L::kPrivilegeCount] = count;
  std::copy(kLuidBytes.begin(), kLuidBytes.end(), bytes.begin() + L::kLuid);
  bytes[L::kAttributes] = attributes;
  return bytes;
}

TEST(SetShutdownPrivilege, PassesTheLookedUpRecordAsThePreviousState) {
  for (VbBool enable : {kVbTrue, VbBool{1}, kVbFalse}) {
    FakePlatform p;
    scriptLuid(p);
    modShutdown::SetShutdownPrivilege(p, enable);
    const auto adjust = p.named("AdjustTokenPrivileges");
    ASSERT_EQ(adjust.size(), 1u);
    EXPECT_EQ(adjust[0].args.at(1), 0) << "DisableAllPrivileges";
    EXPECT_EQ(adjust[0].args.at(2), L::kSize) << "BufferLength";
    EXPECT_EQ(adjust[0].records.at(0), record(1, enable != 0 ? 2 : 0));
    // The previous-state buffer holds the LUID with count and attributes still 0.
    EXPECT_EQ(adjust[0].records.at(1), record(0, 0));
  }
}

TEST(EnableShutdownPrivilege, BuildsItsRecordFromASeparateLuid) {
  test::HeadlessWindowSystem ws;
  FakePlatform p;
  scriptLuid(p);
  frmMain form(ws, p);
  form.glngWhichWindows32 = 1;
  form.mstrAction = "Shutdown";
  form.PerformAction();
  const auto adjust = p.named("AdjustTokenPrivileges");
  ASSERT_EQ(adjust.size(), 1u);
  EXPECT_EQ(adjust[0].records.at(0), record(1, 2));
  EXPECT_EQ(adjust[0].records.at(1), Bytes(L::kSize, 0));
}

TEST(SetShutdownPrivilege, AFailedTokenOpenClosesNothingAndTheRequestStillFollows) {
  FakePlatform p;
  p.results["OpenProcessToken"] = 0;
  p.version = test::windows::kXp;
  EXPECT_EQ(modShutdown::ShutdownWindows(p, 2, kVbTrue), kVbTrue);
  EXPECT_TRUE(p.named("CloseHandle").empty());
  EXPECT_EQ(p.named("ExitWindowsEx").size(), 1u);
}

TEST(ModShutdown, ReportsWhetherThePlatformAcceptedTheRequest) {
  FakePlatform p;
  p.version = test::windows::kXp;
  p.results["ExitWindowsEx"] = 0;
  p.results["SetSuspendState"] = 0;
  p.results["LockWorkStation"] = 0;
  EXPECT_EQ(modShutdown::ShutdownWindows(p, 2, kVbFalse), kVbFalse);
  EXPECT_EQ(modShutdown::SuspendComputer(p, 0, kVbFalse, kVbFalse), kVbFalse);
  EXPECT_EQ(modShutdown::LockComputer(p), kVbFalse);
  p.results.clear();
  EXPECT_EQ(modShutdown::ShutdownWindows(p, 2, kVbFalse), kVbTrue);
  EXPECT_EQ(modShutdown::SuspendComputer(p, 0, kVbFalse, kVbFalse), kVbTrue);
  EXPECT_EQ(modShutdown::LockComputer(p), kVbTrue);
  p.version = test::windows::k98;
  EXPECT_EQ(modShutdown::LockComputer(p), kVbFalse);
  p.version = test::windows::k95;
  EXPECT_EQ(modShutdown::SuspendComputer(p, 0, kVbFalse, kVbFalse), kVbFalse);
}

TEST(SuspendComputer, WidensEveryArgumentBySignExtension) {
  FakePlatform p;
  p.version = test::windows::k2000;
  (void)modShutdown::SuspendComputer(p, 1, VbBool{1}, kVbTrue);
  EXPECT_EQ(p.named("SetSuspendState").at(0).args, (std::vector<std::int64_t>{1, 1, 0xFFFFFFFF}));
}

}  // namespace
}  // namespace slumbrix
