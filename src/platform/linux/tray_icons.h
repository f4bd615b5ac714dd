#pragma once

#include <QDBusPendingCall>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <utility>

#include "platform/platform.h"
#include "platform/windows_values.h"

class QMenu;
class QSystemTrayIcon;

namespace slumbrix {

class NativeWindows;

// The notification-area icons of Shell_NotifyIconA, shown as Qt tray icons (a
// StatusNotifierItem on current desktops). What happens on an icon comes back as the mouse
// message the Windows shell would send: a click or double-click (Activate, the primary action
// of a StatusNotifierItem) as kWmLButtonDblClk, the context request as kWmRButtonUp, the
// middle button as kWmMButtonUp. On a click of the secondary button, many StatusNotifierItem
// hosts (xfce4-panel) show the menu the item exports over D-Bus instead of telling the item:
// there the icon exports the menu that the menu source fills. XEmbed icons and hosts that ask
// the item for its menu get the program's own pop-up through kWmRButtonUp.
//
// The tray host is followed for the whole run: when it leaves the bus (or an XEmbed tray
// leaves the display), its icons are gone with it, as the shell's are when it ends, and the
// host callback hears false; when a host is registered again (or an XEmbed tray appears), it
// hears true, and the program adds its icon again (kNimAdd).
class TrayIcons : public QObject {
  Q_OBJECT

 public:
  // The 88-byte NOTIFYICONDATAA record.
  using Record = std::span<const std::uint8_t, NotifyIconDataLayout::kSize>;

  // Receives the icon's window, its callback message and the mouse message. It runs from the
  // event loop, never inside a call of Shell_NotifyIconA.
  using Callback =
      std::function<void(Handle window, std::uint32_t callbackMessage, std::uint32_t mouse)>;

  explicit TrayIcons(QObject* parent = nullptr);
  ~TrayIcons() override;

  void setNativeWindows(const NativeWindows* windows) { windows_ = windows; }
  void setCallback(Callback callback) { callback_ = std::move(callback); }
  // Fills the exported menu of the icon of a window, once, when the icon is made.
  using MenuSource = std::function<void(Handle window, QMenu& menu)>;
  void setMenuSource(MenuSource source) { menuSource_ = std::move(source); }
  // Hears that a notification area appeared (true) or went away with the icons (false). It
  // runs from the event loop.
  using HostCallback = std::function<void(bool present)>;
  void setHostCallback(HostCallback callback) { hostCallback_ = std::move(callback); }

  // Shell_NotifyIconA with the 88-byte record: kNimAdd, kNimModify, kNimDelete. Nonzero on
  // success: an added icon needs a notification area to be shown in.
  std::int32_t notify(std::uint32_t message, const std::uint8_t* data);

  // The icon of a window and id, for tests; null when there is none.
  QSystemTrayIcon* icon(Handle window, std::uint32_t id) const;

  // Whether the desktop has a notification area, asked anew each time: a tray host
  // (StatusNotifierWatcher) with a registered host says yes in one round trip on the session
  // bus (the first question is sent when a TrayIcons is made, so that the start-up does not
  // wait for its answer); without one, Qt's own check also looks for an XEmbed tray. A host that
  // holds its name but does not answer within kDbusTimeoutMs counts as none for the rest of the run
  // (Qt's check would wait 25 s for it); while it counts as none, kNimAdd shows no icon.
  static bool systemTrayAvailable();

 private Q_SLOTS:
  void hostRegistered();
  void hostUnregistered();

 private:
  struct Entry {
    QPointer<QSystemTrayIcon> icon;
    QPointer<QMenu> menu;
    std::uint32_t callbackMessage = 0;
    QSize iconSize{32, 32};
  };
  using Key = std::pair<Handle, std::uint32_t>;

  void apply(const Key& key, Entry& entry, Record record);
  void deliver(const Key& key, std::uint32_t mouse);
  void watchHost();
  void hostOwnerChanged(const QString& newOwner);
  void hostAppeared();
  void hostGone();
  void loseHost();
  void dropIcons();

  const NativeWindows* windows_ = nullptr;
  Callback callback_;
  MenuSource menuSource_;
  HostCallback hostCallback_;
  // Whether a notification area showed the icons when last heard of.
  bool hostShown_ = false;
  // Follows an XEmbed tray, which says nothing on the bus.
  QTimer xembedWatch_;
  std::map<Key, Entry> icons_;
  // The tray host's first answer, asked for when the tray is set up (see systemTrayAvailable).
  std::optional<QDBusPendingCall> early_;
};

}  // namespace slumbrix
