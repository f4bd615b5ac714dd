#include "dbus_harness.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QThread>

namespace slumbrix::test {
namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kPollMs = 20;

const char* const kBusConfig = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

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

void stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

}  // namespace

MockBuses::MockBuses() = default;

MockBuses::~MockBuses() {
  stop(screenSaver_);
  stop(logind_);
  stop(sessionBus_);
  stop(systemBus_);
}

bool MockBuses::startBus(const QString& name, QProcess& process, QString* address, QString* error) {
  const QString config = dir_.filePath(name + ".conf");
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return (*error = "cannot write " + config), false;
  file.write(QString::fromLatin1(kBusConfig).arg(dir_.path()).toUtf8());
  file.close();
  process.start(QStringLiteral("dbus-daemon"),
                {"--config-file=" + config, "--print-address=1", "--nofork"});
  if (!process.waitForStarted(kStartTimeoutMs))
    return (*error = "dbus-daemon did not start"), false;
  while (!process.canReadLine()) {
    if (!process.waitForReadyRead(kStartTimeoutMs))
      return (*error = "dbus-daemon gave no address"), false;
  }
  *address = QString::fromUtf8(process.readLine()).trimmed();
  return true;
}

bool MockBuses::startMock(QProcess& process, const QStringList& args, const QString& busName,
                          bool system, QString* error) {
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(QStringLiteral("/usr/bin/python3"), QStringList{"-m", "dbusmock"} + args);
  if (!process.waitForStarted(kStartTimeoutMs)) return (*error = "dbusmock did not start"), false;
  QDBusConnection bus = system ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
  for (int waited = 0; waited < kStartTimeoutMs; waited += kPollMs) {
    if (bus.interface() != nullptr && bus.interface()->isServiceRegistered(busName)) return true;
    if (process.state() == QProcess::NotRunning) break;
    QThread::msleep(kPollMs);
  }
  *error = busName + " did not appear on the bus";
  return false;
}

bool MockBuses::start(QString* error) {
  if (!dir_.isValid()) return (*error = "no temporary directory"), false;
  QString systemAddress;
  QString sessionAddress;
  if (!startBus("system", systemBus_, &systemAddress, error)) return false;
  if (!startBus("session", sessionBus_, &sessionAddress, error)) return false;
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", systemAddress.toUtf8());
  qputenv("DBUS_SESSION_BUS_ADDRESS", sessionAddress.toUtf8());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  logind_.setProcessEnvironment(env);
  screenSaver_.setProcessEnvironment(env);
  if (!startMock(logind_, {"--system", "-t", "logind", "-l", dir_.filePath("logind.log")},
                 "org.freedesktop.login1", true, error))
    return false;
  return startMock(screenSaver_,
                   {"--session", "-t", QStringLiteral(SLUMBRIX_MOCKS_DIR "/screensaver.py"), "-l",
                    dir_.filePath("screensaver.log")},
                   "org.freedesktop.ScreenSaver", false, error);
}

QStringList MockBuses::logindCalls() const {
  return callsIn(dir_.filePath("logind.log")).mid(logindSeen_);
}

QStringList MockBuses::screenSaverCalls() const {
  return callsIn(dir_.filePath("screensaver.log")).mid(screenSaverSeen_);
}

void MockBuses::clearCalls() {
  // The mocks keep writing at their own offset, so the logs are not truncated: what is
  // there now is only skipped.
  logindSeen_ = static_cast<int>(callsIn(dir_.filePath("logind.log")).size());
  screenSaverSeen_ = static_cast<int>(callsIn(dir_.filePath("screensaver.log")).size());
}

bool MockBuses::setLogindMethod(const QString& name, const QString& inSignature,
                                const QString& code) {
  QDBusMessage message =
      QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                     "org.freedesktop.DBus.Mock", "AddMethod");
  message.setArguments({"org.freedesktop.login1.Manager", name, inSignature, QString(), code});
  return QDBusConnection::systemBus().call(message).type() == QDBusMessage::ReplyMessage;
}

void MockBuses::stopLogind() {
  stop(logind_);
  QDBusConnection bus = QDBusConnection::systemBus();
  for (int waited = 0; waited < kStartTimeoutMs; waited += kPollMs) {
    if (!bus.interface()->isServiceRegistered("org.freedesktop.login1")) return;
    QThread::msleep(kPollMs);
  }
}

}  // namespace slumbrix::test
