#pragma once

class QWidget;

namespace slumbrix {

// Keeps a window out of the taskbar (or lets it back in) on X11 through the window manager's
// _NET_WM_STATE_SKIP_TASKBAR state. Call before each show: the window manager drops the state
// of a hidden window. Does nothing on other platforms.
void setSkipTaskbar(QWidget& window, bool skip);

}  // namespace slumbrix
