#pragma once

// The top-level window of a form, with its controls, timers and menus. Windows-only header.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "frontend/win32/control_window.h"
#include "frontend/win32/native_window.h"
#include "frontend/win32/toolkit.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace slumbrix::win32 {

class FormWindow : public NativeWindow, public ControlPeer {
 public:
  FormWindow(Toolkit& toolkit, Form& form);
  ~FormWindow() override;

  Toolkit& toolkit() const { return toolkit_; }
  Form& form() const { return form_; }
  HICON smallIcon() const { return smallIcon_; }

  // Creates the window, a peer for every control, timer and menu, and starts the timers.
  void create();
  // Stops the timers, detaches every peer from the model and destroys the windows; the
  // object takes no more messages (it may still be on the call stack).
  void destroy();
  // Destroys the windows without touching the model (which may be gone already).
  void destroyWindows();

  void show(FormWindow* modalOwner);
  void hide();
  // Shows the window minimised, with a taskbar button when the form's showInTaskbar says so.
  void minimize();
  void popup(Menu& menu);
  // A key message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP) for this window or one of
  // its controls, before it is translated and dispatched: the form decides it. True when the
  // key goes no further.
  bool translateKey(const MSG& message);
  void applyEnabled();
  void rebuildMenuBar();
  void restartTimer(Timer& timer);
  // Lets go of a modal owner whose window is about to go: this window takes its plain owner
  // again, so that it is not destroyed along with the owner's.
  void forgetOwner(const FormWindow* gone) {
    if (modalOwner_ == gone) releaseOwner();
  }

  void propertyChanged(Control& control, Property property) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  class TimerPeer;
  class MenuPeer;

  // Gives a window that is not shown the owner that its taskbar button calls for.
  void applyTaskbarOwner();
  void createControls();
  void createMenus();
  void removeMenuProperties();
  void loadIcons();
  void resizeToClientArea();
  void center();
  HMENU buildMenu(Menu& menu, bool popup);
  Menu* menuForCommand(UINT id) const;
  // The control window that is `window` or holds it; null for the form's own window.
  ControlWindow* controlWindowOf(HWND window) const;
  void focusOn(Control* control);
  // Shows the focus rectangle from the start, not only once the keyboard has been used.
  void showFocusCues();
  void focusFirst();
  void releaseOwner();
  void onActivate(WPARAM state);
  void onTimer(WPARAM id);
  void onMouseMove(WPARAM state, LPARAM position);

  Toolkit& toolkit_;
  Form& form_;
  std::vector<std::unique_ptr<ControlWindow>> controls_;
  std::map<const Control*, ControlWindow*> byControl_;
  std::vector<std::unique_ptr<ControlPeer>> peers_;
  std::map<const Timer*, UINT_PTR> timerIds_;
  std::vector<Menu*> menus_;  // command id = kFirstMenuId + index
  HMENU menuBar_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HWND lastFocus_ = nullptr;
  FormWindow* modalOwner_ = nullptr;
};

}  // namespace slumbrix::win32
