#pragma once

namespace slumbrix {

class LinuxPlatform;
class QtWindowSystem;

// Joins the Linux platform to the Qt window system: the platform finds windows and icons by
// their handles, and a tray icon's mouse message reaches the form whose window the icon
// record names, as the shell would send it there. With the callback message WM_MOUSEMOVE
// that is Form::mouseMove with X = the mouse message in twips (message x twips per pixel).
// Hosts that show the item's menu themselves get the form's tray menu, rendered here; a
// notification area that appears or goes reaches every form.
void connectPlatform(LinuxPlatform& platform, QtWindowSystem& windowSystem);

}  // namespace slumbrix
