#pragma once

// Shared resources of the native window system: the screen's scale, fonts, brushes, the
// window classes and the hidden owner that keeps forms off the taskbar. Windows-only header.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/appearance.h"

namespace slumbrix {
class Control;
}

namespace slumbrix::win32 {

inline constexpr char kFormClass[] = "SlumbrixForm";
inline constexpr char kPaneClass[] = "SlumbrixPane";
// The window property that carries a control's name (a global atom), so that tools outside
// the process can address controls by the names the program gives them.
inline constexpr char kNameProperty[] = "SlumbrixName";
// The window property of a form that holds the command number of a menu item, by the
// item's name ("SlumbrixMenu.ueber").
inline constexpr char kMenuPropertyPrefix[] = "SlumbrixMenu.";

class Toolkit {
 public:
  Toolkit();
  ~Toolkit();
  Toolkit(const Toolkit&) = delete;
  Toolkit& operator=(const Toolkit&) = delete;

  HINSTANCE instance() const { return instance_; }
  int twipsPerPixelX() const { return twipsPerPixelX_; }
  int twipsPerPixelY() const { return twipsPerPixelY_; }
  int pixelsX(double twips) const;
  int pixelsY(double twips) const;
  RECT pixelRect(const Rect& twips) const;

  // The owner of every form that shows no taskbar button; never shown.
  HWND hiddenOwner() const { return hiddenOwner_; }
  // The message the shell sends every top-level window when it has made a new notification
  // area (after Explorer restarted): "TaskbarCreated". 0 where it cannot be registered.
  UINT taskbarCreatedMessage() const { return taskbarCreated_; }

  // The control's effective font (ui/effective_style.h), the system's dialog font where that
  // is the default font; owned here.
  HFONT fontOf(const Control& control);
  // The control's effective back colour, else the system's window colour for a field and its
  // button face for any other control.
  COLORREF backgroundOf(const Control& control) const;
  COLORREF textColorOf(const Control& control) const;
  HBRUSH brush(COLORREF color);

 private:
  HFONT font(const Font& font);

  HINSTANCE instance_;
  int twipsPerPixelX_ = 15;
  int twipsPerPixelY_ = 15;
  int dpiY_ = 96;
  HWND hiddenOwner_ = nullptr;
  UINT taskbarCreated_ = 0;
  std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace slumbrix::win32
