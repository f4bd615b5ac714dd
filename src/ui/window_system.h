#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
// The message box styles and answers (kMbOk, kMbIconInformation, kIdOk, ...).
#include "platform/windows_values.h"

namespace slumbrix {

class Form;
class Menu;

// The toolkit behind the control model. Implemented by the Qt and Win32 front ends and, for
// tests, by a headless one on a virtual clock. No method throws; failures are stated.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Creates the real window of a form being loaded and a peer for each of its controls,
  // timers included; from now on property changes reach the peers.
  virtual void createPeers(Form& form) = 0;
  // Destroys the window and the peers of a form being unloaded.
  virtual void destroyPeers(Form& form) = 0;
  // Shows the form. With a modal owner the owner takes no input until the form is hidden or
  // unloaded; the call returns at once either way. A shown form is brought forward.
  virtual void showForm(Form& form, Form* modalOwner) = 0;
  virtual void hideForm(Form& form) = 0;
  // Shows the form minimised, with a taskbar button when its showInTaskbar says so.
  virtual void minimizeForm(Form& form) = 0;
  // Opens the items of `menu` as a pop-up menu at the mouse position; a chosen item arrives as
  // Menu::click. Does nothing when the form has no window.
  virtual void popupMenu(Form& form, Menu& menu) = 0;
  // Shows a modal message box and returns the button pressed (kIdOk); 0 when none could be
  // shown.
  virtual int messageBox(const std::string& text, std::uint32_t style,
                         const std::string& title) = 0;
  // The text on the clipboard, in the system's narrow encoding; empty when it holds none or
  // cannot be read.
  virtual std::string clipboardText() const = 0;
  // Puts text on the clipboard; a clipboard that cannot be taken keeps what it held.
  virtual void setClipboardText(const std::string& text) = 0;
  // Twips per pixel of the screen on each axis (15 at 96 dots per inch); never 0.
  virtual int twipsPerPixelX() const = 0;
  virtual int twipsPerPixelY() const = 0;
  // The form's window handle and the handle of its icon; 0 while it has no window.
  virtual Handle windowHandle(const Form& form) const = 0;
  virtual Handle iconHandle(const Form& form) const = 0;
  // Ends the program at once: every window goes and no further event is delivered. The
  // caller returns through its handlers without touching the program's state again.
  virtual void endProgram() = 0;
};

}  // namespace slumbrix
