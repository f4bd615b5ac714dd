// The notification area coming and going during the run. While no notification area shows
// the icon the window has a taskbar button, and taking it off the screen minimises it instead
// of hiding it: a hidden window without an icon could not be found again, and an armed action
// would be out of reach.
#include "app/frm_main.h"
#include "platform/windows_values.h"

namespace slumbrix {

void frmMain::SetTrayShown(bool shown) {
  mblnTrayShown = shown;
  showInTaskbar = !shown;
}

void frmMain::HideWindow() {
  if (mblnTrayShown) {
    hide();
  } else {
    minimize();
  }
}

void frmMain::Form_TaskbarCreated() {
  // A new notification area starts empty: the icon goes in again as the record holds it now,
  // with the tooltip of the moment. A shell that still holds the icon (the message came
  // without a restart) refuses a second one with the same id and takes the record as a
  // change instead. The window stays where it is; the next hiding uses the tray again.
  SetTrayShown(SendTrayIcon(kNimAdd) || SendTrayIcon(kNimModify));
}

void frmMain::Form_TaskbarGone() {
  SetTrayShown(false);
  // Shown or minimised windows stay as they are; a hidden one comes back with a taskbar
  // button, minimised so that it does not jump into the user's way.
  if (!isShown()) minimize();
}

}  // namespace slumbrix
