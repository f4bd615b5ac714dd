// The "Tray" button and the mouse messages that come back from the tray icon.
#include "app/frm_about.h"
#include "app/frm_main.h"
#include "platform/windows_values.h"
#include "ui/numbers.h"

namespace slumbrix {

void frmMain::Command1_Click() {
  // Only the window goes; the icon and its record stay as they are.
  HideWindow();
}

void frmMain::Form_MouseMove(int /*button*/, int /*shift*/, double x, double /*y*/) {
  // The icon's callback arrives as a mouse move whose x position, in pixels, is the mouse
  // message that happened on the icon.
  const std::int64_t message = roundHalfEven(x / windowSystem().twipsPerPixelX());
  if (message == kWmLButtonDblClk) {
    if (about() != nullptr && about()->isLoaded() && about()->isShown()) about()->unload();
    show();
  } else if (message == kWmRButtonUp) {
    (void)platform().SetForegroundWindow(hWnd());
    windowSystem().popupMenu(*this, mnuPopup);
  }
}

}  // namespace slumbrix
