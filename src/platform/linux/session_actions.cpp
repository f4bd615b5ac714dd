#include "platform/linux/session_actions.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariant>

namespace slumbrix {
namespace {

const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kNoSessionForPid = QStringLiteral("org.freedesktop.login1.NoSessionForPID");

// One synchronous call; the reply, or an error message when the bus or the service failed.
QDBusMessage call(const QDBusConnection& bus, const QString& service, const QString& path,
                  const QString& interface, const QString& method, const QVariantList& args) {
  QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
  message.setArguments(args);
  if (!bus.isConnected()) return message.createErrorReply(QDBusError::Disconnected, {});
  return bus.call(message, QDBus::Block, kDbusTimeoutMs);
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

bool screenSaverActivate() {
  const QString name = QStringLiteral("org.freedesktop.ScreenSaver");
  const QDBusMessage reply =
      call(QDBusConnection::sessionBus(), name, QStringLiteral("/org/freedesktop/ScreenSaver"),
           name, QStringLiteral("SetActive"), {true});
  // SetActive answers whether the screen saver is now active; a reply without an answer
  // counts as done.
  if (!accepted(reply)) return false;
  return reply.arguments().isEmpty() || reply.arguments().constFirst().toBool();
}

}  // namespace slumbrix
