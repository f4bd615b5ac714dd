#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace slumbrix::test {

// A private system bus and session bus (dbus-daemon with a configuration of our own), with
// python-dbusmock's logind on the first and a screen-saver mock on the second, each logging
// the calls it receives. start() points DBUS_SYSTEM_BUS_ADDRESS and DBUS_SESSION_BUS_ADDRESS
// at the private buses; it must run before the process's first D-Bus use.
class MockBuses {
 public:
  MockBuses();
  ~MockBuses();

  // False with a reason when something could not be started.
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
  bool startBus(const QString& name, QProcess& process, QString* address, QString* error);
  bool startMock(QProcess& process, const QStringList& args, const QString& busName, bool system,
                 QString* error);

  QTemporaryDir dir_;
  QProcess systemBus_;
  QProcess sessionBus_;
  QProcess logind_;
  QProcess screenSaver_;
  int logindSeen_ = 0;
  int screenSaverSeen_ = 0;
};

}  // namespace slumbrix::test
