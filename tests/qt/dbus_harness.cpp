#include "dbus_harness.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QThread>

#include <signal.h>
#include <sys/types.h>

namespace slumbrix::test {
namespace {

constexpr int kWaitMs = 15000;
constexpr int kPollMs = 20;
const QString kLogind = QStringLiteral("org.freedesktop.login1");

QStringList callsIn(const QString& path) {
  QFile file(path);
  QStringList calls;
  if (!file.open(QIODevice::ReadOnly)) return calls;
  for (const QByteArray& line : file.readAll().split('\n')) {
    // "1700000000.123 Reboot False": the time stamp goes.
    const int space = line.indexOf(' ');
    if (space > 0) calls << QString::fromUtf8(line.mid(space + 1));
  }
  return calls;
}

bool privateBus(const char* variable, const QString& logs) {
  // The desktop's sockets lie in its own folder: never the machine's bus.
  return !logs.isEmpty() && qEnvironmentVariable(variable).contains(logs);
}

}  // namespace

bool MockBuses::start(QString* error) {
  logs_ = qEnvironmentVariable("SLUMBRIX_MOCK_LOGS");
  if (!privateBus("DBUS_SYSTEM_BUS_ADDRESS", logs_) ||
      !privateBus("DBUS_SESSION_BUS_ADDRESS", logs_)) {
    *error = "not on a private desktop: run through tests/support/with_desktop.py";
    return false;
  }
  return true;
}

QStringList MockBuses::logindCalls() const {
  return callsIn(QDir(logs_).filePath("logind.log")).mid(logindSeen_);
}

QStringList MockBuses::screenSaverCalls() const {
  return callsIn(QDir(logs_).filePath("screensaver.log")).mid(screenSaverSeen_);
}

void MockBuses::clearCalls() {
  // The mocks keep writing at their own offset, so the logs are not truncated: what is
  // there now is only skipped.
  logindSeen_ = static_cast<int>(callsIn(QDir(logs_).filePath("logind.log")).size());
  screenSaverSeen_ = static_cast<int>(callsIn(QDir(logs_).filePath("screensaver.log")).size());
}

bool MockBuses::setLogindMethod(const QString& name, const QString& inSignature,
                                const QString& code) {
  QDBusMessage message = QDBusMessage::createMethodCall(kLogind, "/org/freedesktop/login1",
                                                        "org.freedesktop.DBus.Mock", "AddMethod");
  message.setArguments({"org.freedesktop.login1.Manager", name, inSignature, QString(), code});
  return QDBusConnection::systemBus().call(message).type() == QDBusMessage::ReplyMessage;
}

void MockBuses::stopLogind() {
  QDBusConnectionInterface* bus = QDBusConnection::systemBus().interface();
  const QDBusReply<uint> pid = bus->servicePid(kLogind);
  if (!pid.isValid()) return;
  ::kill(static_cast<pid_t>(pid.value()), SIGTERM);
  for (int waited = 0; waited < kWaitMs; waited += kPollMs) {
    if (!bus->isServiceRegistered(kLogind)) return;
    QThread::msleep(kPollMs);
  }
}

}  // namespace slumbrix::test
