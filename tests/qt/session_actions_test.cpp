// The system actions of the Linux platform against mock logind and screen-saver services on
// private buses; ctest runs it on the shared private desktop (tests/support/with_desktop.py).
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>

#include "dbus_harness.h"
#include "platform/linux/linux_platform.h"

namespace slumbrix {
namespace {

test::MockBuses* gBuses = nullptr;

// The buses and mocks live for the whole test process: the process's D-Bus connections are
// made once, to the desktop's addresses.
class MockBusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    buses_ = std::make_unique<test::MockBuses>();
    QString error;
    ASSERT_TRUE(buses_->start(&error)) << error.toStdString();
    gBuses = buses_.get();
  }
  void TearDown() override {
    gBuses = nullptr;
    buses_.reset();
  }

 private:
  std::unique_ptr<test::MockBuses> buses_;
};

const QString kRefuse = QStringLiteral(
    "raise dbus.exceptions.DBusException('not allowed', "
    "name='org.freedesktop.DBus.Error.AccessDenied')");

class SessionActions : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gBuses, nullptr);
    gBuses->clearCalls();
  }
  test::MockBuses& buses() { return *gBuses; }
  LinuxPlatform platform;
};

TEST_F(SessionActions, ExitWindowsExCallsLogindOncePerRequest) {
  struct Row {
    std::uint32_t flags;
    const char* call;
  };
  const Row rows[] = {
      {2, "Reboot False"},          {6, "Reboot False"},   {13, "PowerOff False"},
      {1, "PowerOff False"},        {8, "PowerOff False"}, {0, "TerminateSession \"\""},
      {4, "TerminateSession \"\""},
  };
  for (const Row& row : rows) {
    buses().clearCalls();
    EXPECT_EQ(platform.ExitWindowsEx(row.flags, 0), 1) << row.flags;
    EXPECT_EQ(buses().logindCalls(), QStringList{row.call}) << row.flags;
  }
}

TEST_F(SessionActions, SuspendLockAndScreenSaver) {
  EXPECT_EQ(platform.SetSuspendState(0, 0xFFFFFFFF, 0), 1);
  EXPECT_EQ(platform.SetSuspendState(1, 0, 0), 1);
  EXPECT_EQ(platform.LockWorkStation(), 1);
  EXPECT_EQ(buses().logindCalls(),
            (QStringList{"Suspend False", "Hibernate False", "LockSession \"\""}));

  EXPECT_EQ(platform.SendMessageA(0x10010, 0x112, 0xF140, 0), 1);
  EXPECT_EQ(buses().screenSaverCalls(), QStringList{"SetActive True"});
  // Other messages start nothing.
  EXPECT_EQ(platform.SendMessageA(0x10010, 0x112, 0xF020, 0), 0);
  EXPECT_EQ(buses().screenSaverCalls(), QStringList{"SetActive True"});
  EXPECT_TRUE(buses().logindCalls().size() == 3);
}

TEST_F(SessionActions, ARefusedRequestIsAFailure) {
  ASSERT_TRUE(buses().setLogindMethod("Reboot", "b", kRefuse));
  buses().clearCalls();
  EXPECT_EQ(platform.ExitWindowsEx(2, 0), 0);
  // Asked once, not retried.
  EXPECT_EQ(buses().logindCalls().filter("Reboot False").size(), 1);
  ASSERT_TRUE(buses().setLogindMethod("Reboot", "b", ""));
}

TEST_F(SessionActions, OutsideASessionTheDisplaySessionIsAskedFor) {
  // What logind answers a caller that runs in no session of its own.
  ASSERT_TRUE(buses().setLogindMethod("TerminateSession", "s",
                                      "if args[0] == '':\n"
                                      "    raise dbus.exceptions.DBusException('no session', "
                                      "name='org.freedesktop.login1.NoSessionForPID')"));
  buses().clearCalls();
  EXPECT_EQ(platform.ExitWindowsEx(0, 0), 1);
  EXPECT_EQ(buses().logindCalls().filter("TerminateSession").filter("raised").size(), 1);
  EXPECT_EQ(buses().logindCalls().filter("TerminateSession \"auto\"").size(), 1);
  ASSERT_TRUE(buses().setLogindMethod("TerminateSession", "s", ""));
}

// Runs last in the process: logind goes away for good.
TEST_F(SessionActions, ZNoLogindOnTheBusIsAFailure) {
  buses().stopLogind();
  EXPECT_EQ(platform.ExitWindowsEx(13, 0), 0);
  EXPECT_EQ(platform.SetSuspendState(0, 0, 0), 0);
  EXPECT_EQ(platform.LockWorkStation(), 0);
}

}  // namespace
}  // namespace slumbrix

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  ::testing::AddGlobalTestEnvironment(new slumbrix::MockBusEnvironment);
  return RUN_ALL_TESTS();
}
