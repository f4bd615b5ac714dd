#include "platform/linux/session_actions.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QVariant>

#include <algorithm>

namespace slumbrix {
namespace {

const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kNoSessionForPid = QStringLiteral("org.freedesktop.login1.NoSessionForPID");

// One synchronous call; the reply, or an error message when the bus or the service failed.
QDBusMessage call(const QDBusConnection& bus, const QString& service, const QString& path,
                  const QString& interface, const QString& method, const QVariantList& args,
                  int timeoutMs = kDbusTimeoutMs) {
  QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
  message.setArguments(args);
  if (!bus.isConnected()) return message.createErrorReply(QDBusError::Disconnected, {});
  return bus.call(message, QDBus::Block, timeoutMs);
}

bool accepted(const QDBusMessage& reply) {
  return reply.type() == QDBusMessage::ReplyMessage;
}

bool logind(const QString& method, const QVariantList& args) {
  return accepted(call(QDBusConnection::systemBus(), kLogindService, kLogindPath, kLogindManager,
                       method, args));
}

bool ownSession(const QString& method) {
  const QDBusMessage reply = call(QDBusConnection::systemBus(), kLogindService, kLogindPath,
                                  kLogindManager, method, {QString()});
  if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == kNoSessionForPid)
    return logind(method, {QStringLiteral("auto")});
  return accepted(reply);
}

}  // namespace

bool logindPowerOff() {
  return logind(QStringLiteral("PowerOff"), {false});
}
bool logindReboot() {
  return logind(QStringLiteral("Reboot"), {false});
}
bool logindSuspend() {
  return logind(QStringLiteral("Suspend"), {false});
}
bool logindHibernate() {
  return logind(QStringLiteral("Hibernate"), {false});
}
bool logindTerminateSession() {
  return ownSession(QStringLiteral("TerminateSession"));
}
bool logindLockSession() {
  return ownSession(QStringLiteral("LockSession"));
}

namespace {

// xscreensaver owns no name of its own on the bus (it may hold org.freedesktop.ScreenSaver,
// but only for inhibitions); its daemon is reached through its own client, which finds it on
// the display and says whether it answered. Without a daemon the client ends at once with an
// error; without the client the program cannot start.
bool xscreensaverActivate(const QDeadlineTimer& budget) {
  const qint64 left = budget.remainingTime();
  if (left <= 0) return false;
  QProcess client;
  client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  client.setStandardOutputFile(QProcess::nullDevice());
  client.start(QStringLiteral("xscreensaver-command"), {QStringLiteral("-activate")});
  if (!client.waitForFinished(static_cast<int>(left))) {
    client.kill();
    client.waitForFinished(kScreenSaverCallTimeoutMs);
    return false;
  }
  return client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

}  // namespace

bool screenSaverActivate() {
  // The desktops' own names for their screen saver, the most common first. GNOME's
  // org.freedesktop.ScreenSaver only takes idle inhibitions: its SetActive is an error reply,
  // and the search goes on to org.gnome.ScreenSaver.
  static const char* const kNames[] = {"org.freedesktop.ScreenSaver", "org.gnome.ScreenSaver",
                                       "org.mate.ScreenSaver", "org.cinnamon.ScreenSaver",
                                       "org.xfce.ScreenSaver"};
  const QDBusConnection bus = QDBusConnection::sessionBus();
  QDeadlineTimer budget(kScreenSaverBudgetMs);
  for (const char* name : kNames) {
    const QString service = QString::fromLatin1(name);
    const QString path = QLatin1Char('/') + QString(service).replace(QLatin1Char('.'), '/');
    const int timeout =
        static_cast<int>(std::min<qint64>(kScreenSaverCallTimeoutMs, budget.remainingTime()));
    if (timeout <= 0) return false;
    // Any method return counts: GNOME's and MATE's SetActive return nothing, the freedesktop
    // one whether the screen saver is now active.
    if (accepted(call(bus, service, path, service, QStringLiteral("SetActive"), {true}, timeout)))
      return true;
  }
  return xscreensaverActivate(budget);
}

}  // namespace slumbrix
