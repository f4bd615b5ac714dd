#include "platform/linux/tray_icons.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QMenu>
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

// What the desktop's tray host (a StatusNotifierWatcher) says, asked on the program's own
// session connection.
enum class TrayHost { Absent, Registered, NotRegistered, Silent };

// The first question, sent when the tray is set up: its answer comes back while the window is
// being built, so the icon's addition, which reads it, finds it there instead of waiting a
// round trip. A host that never answers is still waited for, up to kDbusTimeoutMs from the
// question. Owned by the TrayIcons that sent it.
QDBusPendingCall* earlyQuestion = nullptr;

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

QDBusMessage hostQuestion() {
  QDBusMessage get = QDBusMessage::createMethodCall(
      kWatcher, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
      QStringLiteral("Get"));
  get.setArguments({kWatcher, QStringLiteral("IsStatusNotifierHostRegistered")});
  return get;
}

// Qt makes its tray icons StatusNotifierItems when a host is registered the first time it
// asks, otherwise XEmbed icons, and keeps to that for the rest of the run. It asks when the
// first icon is made, just after the program's own first question: the first answer tells
// which kind the icons are.
std::optional<bool> firstHostRegistered;
bool iconsAreItems() {
  return firstHostRegistered.value_or(false);
}

TrayHost hostFrom(const QDBusMessage& reply) {
  if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
    const QVariant value = reply.arguments().constFirst().value<QDBusVariant>().variant();
    return value.toBool() ? TrayHost::Registered : TrayHost::NotRegistered;
  }
  if (reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.NoReply") ||
      reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.Timeout"))
    return TrayHost::Silent;
  return TrayHost::Absent;  // no watcher on the bus
}

// One round trip for the question that Qt's own check asks on a bus connection of its own,
// opened for each check (QSystemTrayIcon::isSystemTrayAvailable); the first one was sent
// early. A host that does not answer within kDbusTimeoutMs counts as silent for the rest of
// the run: Qt's check would wait 25 s for it, each time.
bool silent = false;

TrayHost askTrayHost() {
  if (silent) return TrayHost::Silent;
  QDBusMessage reply;
  if (earlyQuestion != nullptr) {
    earlyQuestion->waitForFinished();
    reply = earlyQuestion->reply();
    *earlyQuestion = QDBusPendingCall::fromCompletedCall(QDBusMessage());
    earlyQuestion = nullptr;
  } else {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return TrayHost::Absent;
    reply = bus.call(hostQuestion(), QDBus::Block, kDbusTimeoutMs);
  }
  const TrayHost host = hostFrom(reply);
  if (host == TrayHost::Silent) silent = true;
  if (!firstHostRegistered) firstHostRegistered = host == TrayHost::Registered;
  return host;
}

// Whether icons can be shown: a registered host says so at once; without one, Qt also looks
// for an XEmbed tray.
bool trayAvailable(TrayHost host) {
  if (host == TrayHost::Registered) return true;
  if (host == TrayHost::Silent) return false;
  return QSystemTrayIcon::isSystemTrayAvailable();
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

TrayIcons::TrayIcons(QObject* parent) : QObject(parent) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (earlyQuestion == nullptr && bus.isConnected()) {
    early_.emplace(bus.asyncCall(hostQuestion(), kDbusTimeoutMs));
    earlyQuestion = &*early_;
  }
  watchHost();
  // An XEmbed tray announces itself only to the X clients that watch the screen's root
  // window, Qt's own icons among them; whether one is there is one cheap question to the X
  // server, asked every two seconds once the icons are XEmbed ones.
  xembedWatch_.setInterval(2000);
  connect(&xembedWatch_, &QTimer::timeout, this, [this] {
    if (silent) return;
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available && !hostShown_) {
      hostAppeared();
    } else if (!available && hostShown_) {
      loseHost();
    }
  });
}

TrayIcons::~TrayIcons() {
  if (early_ && earlyQuestion == &*early_) earlyQuestion = nullptr;
  for (auto& [key, entry] : icons_) {
    delete entry.icon.data();
    delete entry.menu.data();
  }
}

bool TrayIcons::systemTrayAvailable() {
  return trayAvailable(askTrayHost());
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
    const TrayHost host = askTrayHost();
    if (host == TrayHost::Silent) return 0;
    Entry& entry = icons_[key];
    entry.icon = new QSystemTrayIcon(this);
    connect(entry.icon.data(), &QSystemTrayIcon::activated, this,
            [this, key](QSystemTrayIcon::ActivationReason reason) {
              if (const std::uint32_t mouse = mouseMessageOf(reason)) deliver(key, mouse);
            });
    // Only an item exports its menu: an XEmbed icon would open it itself on a right-click,
    // beside the program's own pop-up.
    if (iconsAreItems() && menuSource_) {
      entry.menu = new QMenu();
      menuSource_(key.first, *entry.menu);
      if (!entry.menu->isEmpty()) entry.icon->setContextMenu(entry.menu.data());
    }
    apply(key, entry, bytes);
    entry.icon->show();
    hostShown_ = trayAvailable(host);
    if (!iconsAreItems() && !xembedWatch_.isActive()) xembedWatch_.start();
    return hostShown_ ? 1 : 0;
  }
  if (it == icons_.end()) return 0;
  if (message == kNimModify) {
    apply(key, it->second, bytes);
    return 1;
  }
  if (message == kNimDelete) {
    // The icon may be the one whose signal is being handled further up the stack.
    QSystemTrayIcon* icon = it->second.icon.data();
    QMenu* menu = it->second.menu.data();
    icons_.erase(it);
    if (icon != nullptr) {
      icon->hide();
      icon->deleteLater();
    }
    if (menu != nullptr) menu->deleteLater();
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

void TrayIcons::watchHost() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  auto* watcher =
      new QDBusServiceWatcher(kWatcher, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
  connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
          [this](const QString&, const QString&, const QString& newOwner) {
            hostOwnerChanged(newOwner);
          });
  bus.connect(kWatcher, kWatcherPath, kWatcher, QStringLiteral("StatusNotifierHostRegistered"),
              this, SLOT(hostRegistered()));
  bus.connect(kWatcher, kWatcherPath, kWatcher, QStringLiteral("StatusNotifierHostUnregistered"),
              this, SLOT(hostUnregistered()));
}

void TrayIcons::hostOwnerChanged(const QString& newOwner) {
  if (newOwner.isEmpty()) {
    hostGone();
  } else {
    hostRegistered();
  }
}

void TrayIcons::hostRegistered() {
  // A watcher that has just taken its name may register its host a moment later; that
  // registration is heard as well.
  QDBusConnection bus = QDBusConnection::sessionBus();
  auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(hostQuestion(), kDbusTimeoutMs), this);
  connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    call->deleteLater();
    if (hostFrom(call->reply()) == TrayHost::Registered) hostAppeared();
  });
}

void TrayIcons::hostUnregistered() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(hostQuestion(), kDbusTimeoutMs), this);
  connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    call->deleteLater();
    if (hostFrom(call->reply()) != TrayHost::Registered) hostGone();
  });
}

void TrayIcons::hostAppeared() {
  if (hostShown_) return;
  // Icons made while no host showed them are made again for the new one, as the program adds
  // them to a new notification area.
  dropIcons();
  if (hostCallback_) hostCallback_(true);
}

void TrayIcons::hostGone() {
  if (!hostShown_) return;
  // XEmbed icons live on while an XEmbed tray stays on the display; the host's own XEmbed tray
  // may go a moment after its name, which the XEmbed watch then sees.
  if (!iconsAreItems() && QSystemTrayIcon::isSystemTrayAvailable()) return;
  loseHost();
}

void TrayIcons::loseHost() {
  hostShown_ = false;
  dropIcons();
  if (hostCallback_) hostCallback_(false);
}

void TrayIcons::dropIcons() {
  for (auto& [key, entry] : icons_) {
    if (entry.icon != nullptr) {
      entry.icon->hide();
      entry.icon->deleteLater();
    }
    if (entry.menu != nullptr) entry.menu->deleteLater();
  }
  icons_.clear();
}

}  // namespace slumbrix
