#pragma once

#include "platform/platform.h"

namespace slumbrix::Module2 {

// Starts the screen saver by sending WM_SYSCOMMAND / SC_SCREENSAVE to the given window (the
// main window, visible or hidden), whose default handling starts it.
void StartScreensaver(Platform& platform, Handle hWnd);

}  // namespace slumbrix::Module2
