#include "platform/linux/tray_icons.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

#include <algorithm>
#include <string>

#include "platform/byte_record.h"
#include "platform/linux/locale_text.h"
#include "platform/linux/native_windows.h"
#include "platform/linux/session_actions.h"
#include "platform/windows_values.h"

namespace slumbrix {
namespace {

using Layout = NotifyIconDataLayout;

// The tip as the shell reads it: up to its NUL, at most the whole field, in the locale's
// character set; a character that the 64-byte field cut off is left out.
QString readTip(TrayIcons::Record bytes) {
  std::string tip = record::readChars(bytes, Layout::kSzTip, Layout::kTipLength);
  tip.resize(std::min(tip.size(), tip.find('\0')));
  return fromLocaleText(tip);
}

// False only for a tray host that is there and does not answer: without a session bus or a
// host, Qt's own check ends at once.
bool trayHostAnswers() {
  static const bool answers = [] {
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr ||
        !bus.interface()->isServiceRegistered(watcher))
      return true;
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments({watcher, QStringLiteral("IsStatusNotifierHostRegistered")});
    return bus.call(get, QDBus::Block, kDbusTimeoutMs).type() == QDBusMessage::ReplyMessage;
  }();
  return answers;
}

QIcon blankIcon(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  return QIcon(pixmap);
}

std::uint32_t mouseMessageOf(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::DoubleClick:
      return kWmLButtonDblClk;
    case QSystemTrayIcon::Context:
      return kWmRButtonUp;
    case QSystemTrayIcon::MiddleClick:
      return kWmMButtonUp;
    default:
      return 0;
  }
}

}  // namespace

TrayIcons::TrayIcons(QObject* parent) : QObject(parent) {}

TrayIcons::~TrayIcons() {
  for (auto& [key, entry] : icons_) delete entry.icon.data();
}

bool TrayIcons::systemTrayAvailable() {
  return trayHostAnswers() && QSystemTrayIcon::isSystemTrayAvailable();
}

QSystemTrayIcon* TrayIcons::icon(Handle window, std::uint32_t id) const {
  const auto it = icons_.find({window, id});
  return it == icons_.end() ? nullptr : it->second.icon.data();
}

std::int32_t TrayIcons::notify(std::uint32_t message, const std::uint8_t* data) {
  if (data == nullptr) return 0;
  const Record bytes(data, Layout::kSize);
  const Key key{record::readU32(bytes, Layout::kHWnd), record::readU32(bytes, Layout::kUID)};
  auto it = icons_.find(key);
  if (message == kNimAdd) {
    if (it != icons_.end()) return 0;  // the shell refuses a second icon with the same id
    if (!trayHostAnswers()) return 0;
    Entry& entry = icons_[key];
    entry.icon = new QSystemTrayIcon(this);
    connect(entry.icon.data(), &QSystemTrayIcon::activated, this,
            [this, key](QSystemTrayIcon::ActivationReason reason) {
              if (const std::uint32_t mouse = mouseMessageOf(reason)) deliver(key, mouse);
            });
    apply(key, entry, bytes);
    entry.icon->show();
    return QSystemTrayIcon::isSystemTrayAvailable() ? 1 : 0;
  }
  if (it == icons_.end()) return 0;
  if (message == kNimModify) {
    apply(key, it->second, bytes);
    return 1;
  }
  if (message == kNimDelete) {
    // The icon may be the one whose signal is being handled further up the stack.
    QSystemTrayIcon* icon = it->second.icon.data();
    icons_.erase(it);
    if (icon != nullptr) {
      icon->hide();
      icon->deleteLater();
    }
    return 1;
  }
  return 0;
}

void TrayIcons::apply(const Key&, Entry& entry, Record bytes) {
  const std::uint32_t flags = record::readU32(bytes, Layout::kUFlags);
  if ((flags & kNifMessage) != 0)
    entry.callbackMessage = record::readU32(bytes, Layout::kUCallbackMessage);
  if ((flags & kNifTip) != 0) entry.icon->setToolTip(readTip(bytes));
  if ((flags & kNifIcon) != 0) {
    const Handle handle = record::readU32(bytes, Layout::kHIcon);
    QIcon picture = handle != 0 && windows_ != nullptr ? windows_->nativeIcon(handle) : QIcon();
    if (!picture.isNull()) {
      const QList<QSize> sizes = picture.availableSizes();
      if (!sizes.isEmpty()) entry.iconSize = sizes.constLast();
    } else {
      // A blank of the same size keeps the icon's place, so flashing blinks in place.
      picture = blankIcon(entry.iconSize);
    }
    entry.icon->setIcon(picture);
  }
}

void TrayIcons::deliver(const Key& key, std::uint32_t mouse) {
  // Like the shell's posted message: the program runs after the tray's own call has returned,
  // so a menu it opens does not hold up the desktop's request.
  QTimer::singleShot(0, this, [this, key, mouse] {
    const auto it = icons_.find(key);
    if (it == icons_.end() || it->second.callbackMessage == 0 || !callback_) return;
    callback_(key.first, it->second.callbackMessage, mouse);
  });
}

}  // namespace slumbrix
