#pragma once

#include <QString>
#include <QStringList>

namespace slumbrix::test {

// The private buses and mock services the tests run on: the shared private desktop
// (tests/support/with_desktop.py) starts them around the test process, with python-dbusmock's
// logind on the system bus and a screen-saver mock on the session bus, and names them in
// DBUS_SYSTEM_BUS_ADDRESS, DBUS_SESSION_BUS_ADDRESS and SLUMBRIX_MOCK_LOGS (the folder of the
// mocks' call logs). This class reads and steers them.
class MockBuses {
 public:
  // False with a reason when the process does not run on such a desktop.
  bool start(QString* error);

  // The calls received, one "Method args" line each, arguments as dbusmock writes them
  // (Reboot False, TerminateSession "").
  QStringList logindCalls() const;
  QStringList screenSaverCalls() const;
  void clearCalls();

  // Replaces a method of logind's manager interface with Python code (dbusmock's AddMethod).
  bool setLogindMethod(const QString& name, const QString& inSignature, const QString& code);
  // Stops the logind mock: the name is then gone from the bus.
  void stopLogind();

 private:
  QString logs_;
  int logindSeen_ = 0;
  int screenSaverSeen_ = 0;
};

}  // namespace slumbrix::test
