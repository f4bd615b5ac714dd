#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "platform/platform.h"

class QSystemTrayIcon;

namespace slumbrix {

class NativeWindows;

// The notification-area icons of Shell_NotifyIconA, shown as Qt tray icons (a
// StatusNotifierItem on current desktops). What happens on an icon comes back as the mouse
// message the Windows shell would send: a click or double-click (Activate, the primary action
// of a StatusNotifierItem) as WM_LBUTTONDBLCLK, the context request as WM_RBUTTONUP, the
// middle button as WM_MBUTTONUP. The icon shows no menu of its own; the program opens its own.
class TrayIcons : public QObject {
  Q_OBJECT

 public:
  static constexpr std::uint32_t kLeftDoubleClick = 515;
  static constexpr std::uint32_t kRightButtonUp = 517;
  static constexpr std::uint32_t kMiddleButtonUp = 520;

  // Receives the icon's window, its callback message and the mouse message. It runs from the
  // event loop, never inside a call of Shell_NotifyIconA.
  using Callback =
      std::function<void(Handle window, std::uint32_t callbackMessage, std::uint32_t mouse)>;

  explicit TrayIcons(QObject* parent = nullptr);
  ~TrayIcons() override;

  void setNativeWindows(const NativeWindows* windows) { windows_ = windows; }
  void setCallback(Callback callback) { callback_ = std::move(callback); }

  // Shell_NotifyIconA with the 88-byte record: NIM_ADD, NIM_MODIFY, NIM_DELETE. Nonzero on
  // success: an added icon needs a notification area to be shown in.
  std::int32_t notify(std::uint32_t message, const std::uint8_t* record);

  // The icon of a window and id, for tests; null when there is none.
  QSystemTrayIcon* icon(Handle window, std::uint32_t id) const;

  // Whether the desktop has a notification area, asked anew each time: a tray host
  // (StatusNotifierWatcher) with a registered host says yes in one round trip on the session
  // bus; without one, Qt's own check also looks for an XEmbed tray. A host that holds its name
  // but does not answer within kDbusTimeoutMs counts as none for the rest of the run (Qt's
  // check would wait 25 s for it); while it counts as none, NIM_ADD shows no icon.
  static bool systemTrayAvailable();

 private:
  struct Entry {
    QPointer<QSystemTrayIcon> icon;
    std::uint32_t callbackMessage = 0;
    QSize iconSize{32, 32};
  };
  using Key = std::pair<Handle, std::uint32_t>;

  void apply(const Key& key, Entry& entry, const std::uint8_t* record);
  void deliver(const Key& key, std::uint32_t mouse);

  const NativeWindows* windows_ = nullptr;
  Callback callback_;
  std::map<Key, Entry> icons_;
};

}  // namespace slumbrix
