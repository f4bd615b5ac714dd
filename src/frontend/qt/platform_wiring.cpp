#include "frontend/qt/platform_wiring.h"

#include "frontend/qt/menus.h"
#include "frontend/qt/qt_window_system.h"
#include "platform/linux/linux_platform.h"
#include "platform/windows_values.h"

namespace slumbrix {

void connectPlatform(LinuxPlatform& platform, QtWindowSystem& windowSystem) {
  platform.setNativeWindows(&windowSystem);
  platform.setTrayCallback(
      [&windowSystem](Handle window, std::uint32_t callbackMessage, std::uint32_t mouse) {
        if (windowSystem.ended() || callbackMessage != kWmMouseMove) return;
        Form* form = windowSystem.formOf(window);
        if (form == nullptr) return;
        form->mouseMove(0, 0, static_cast<double>(mouse) * windowSystem.twipsPerPixelX(), 0);
      });
  platform.trayIcons().setMenuSource([&windowSystem](Handle window, QMenu& menu) {
    Form* form = windowSystem.formOf(window);
    FormWindow* shown = form == nullptr ? nullptr : windowSystem.window(*form);
    if (shown != nullptr && form->trayMenu != nullptr) fillMenu(menu, *form->trayMenu, *shown);
  });
  platform.trayIcons().setHostCallback([&windowSystem](bool present) {
    for (Form* form : windowSystem.forms()) {
      if (windowSystem.ended()) return;
      if (present) {
        form->taskbarCreated();
      } else {
        form->taskbarGone();
      }
    }
  });
}

}  // namespace slumbrix
