#include "actions/module2.h"

#include "actions/shutdown_constants.h"

namespace slumbrix::Module2 {

void StartScreensaver(Platform& platform, Handle hWnd) {
  // The window's answer carries no meaning for a system command.
  (void)platform.SendMessageA(hWnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

}  // namespace slumbrix::Module2
