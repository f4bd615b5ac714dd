#pragma once

#include <QDBusPendingCall>
#include <QObject>
#include <QPointer>
#include <QSize>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <utility>

#include "platform/platform.h"
#include "platform/windows_values.h"

class QSystemTrayIcon;

namespace slumbrix {

class NativeWindows;

// The notification-area icons of Shell_NotifyIconA, shown as Qt tray icons (a
// StatusNotifierItem on current desktops). What happens on an icon comes back as the mouse
// message the Windows shell would send: a click or double-click (Activate, the primary action
// of a StatusNotifierItem) as kWmLButtonDblClk, the context request as kWmRButtonUp, the
// middle button as kWmMButtonUp. The icon shows no menu of its own; the program opens its own.
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

 private:
  struct Entry {
    QPointer<QSystemTrayIcon> icon;
    std::uint32_t callbackMessage = 0;
    QSize iconSize{32, 32};
  };
  using Key = std::pair<Handle, std::uint32_t>;

  void apply(const Key& key, Entry& entry, Record record);
  void deliver(const Key& key, std::uint32_t mouse);

  const NativeWindows* windows_ = nullptr;
  Callback callback_;
  std::map<Key, Entry> icons_;
  // The tray host's first answer, asked for when the tray is set up (see systemTrayAvailable).
  std::optional<QDBusPendingCall> early_;
};

}  // namespace slumbrix
