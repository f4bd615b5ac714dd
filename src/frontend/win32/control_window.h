#pragma once

// The common part of the objects behind the native controls. Windows-only header.

#include <windows.h>

#include <string>

#include "frontend/win32/native_window.h"
#include "frontend/win32/toolkit.h"
#include "ui/control.h"

namespace slumbrix::win32 {

class FormWindow;

// The peer of one control: creates the native window from the model's values, shows each
// property change, and turns the native control's notifications into user-input calls.
class ControlWindow : public NativeWindow, public ControlPeer {
 public:
  ControlWindow(FormWindow& owner, Control& control);
  ~ControlWindow() override;

  Control& control() const { return control_; }
  // Creates the native window inside `parent` (the window of the control's container).
  virtual void create(HWND parent) = 0;
  // The window that holds the controls contained in this one; null for plain controls.
  virtual HWND contentWindow() const { return nullptr; }

  void propertyChanged(Control& control, Property property) final;
  // Enables the window when the control and each container up to the form are enabled, so
  // that the controls in a disabled frame look as unusable as they are.
  void applyEnabled();
  // Destroys the window and forgets it; the object then takes no more messages.
  void destroy();

 protected:
  // A property change other than Bounds, Visible and Enabled.
  virtual void update(Property /*property*/) {}
  // Pixels the native window needs below the control's own height (a drop-down list).
  virtual int extraHeight() const { return 0; }
  // Creates a native control of `className` at the control's position with the model's
  // font, visibility and name, and subclasses it.
  HWND createNative(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                    HWND parent);
  void applyBounds();
  // Gives `window` the control's name so that outside tools can find it.
  void nameWindow(HWND window);
  Toolkit& toolkit() const;
  // The colours of a control drawn on its container's background (labels, check boxes,
  // option buttons, frames).
  HBRUSH containerColors(HDC dc);

  FormWindow& owner_;
  Control& control_;

 private:
  ATOM nameAtom_ = 0;
  HWND named_ = nullptr;
};

// The model's text alignment as the style of a static or an edit control (both number it
// alike).
DWORD alignmentStyle(Alignment alignment);

// The text as Windows takes it in a window title or control text.
inline const char* text(const std::string& s) {
  return s.c_str();
}

}  // namespace slumbrix::win32
