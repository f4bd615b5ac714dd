#include "actions/module2.h"

#include "platform/windows_values.h"

namespace slumbrix::Module2 {

void StartScreensaver(Platform& platform, Handle hWnd) {
  // The window's answer carries no meaning for a system command.
  (void)platform.SendMessageA(hWnd, kWmSysCommand, kScScreenSave, 0);
}

}  // namespace slumbrix::Module2
