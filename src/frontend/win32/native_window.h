#pragma once

// The base of every object behind a window, and the one window procedure that routes each
// message to its object. Windows-only header.

#include <windows.h>

namespace slumbrix::win32 {

// An object that owns one window (and sometimes a second, like a frame's group box) and
// takes its messages. The object is found from the window through GWLP_USERDATA.
class NativeWindow {
 public:
  NativeWindow() = default;
  virtual ~NativeWindow() = default;
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // False once the window is being destroyed or the program has ended: from then on the
  // object takes no more messages and the window gets its default handling.
  bool live() const { return live_; }
  void retire() { live_ = false; }

  // A message to this object's own window; false leaves it to the default handling.
  virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Notifications a native control sends to its parent, handed to the control's object.
  virtual void onCommand(WORD /*code*/) {}
  virtual void onScroll(WORD /*code*/) {}
  // WM_CTLCOLOR*: the brush for the control's background, null for the default.
  virtual HBRUSH onColor(HDC /*dc*/) { return nullptr; }

  // Binds a window to this object. A native control is subclassed so that its messages
  // pass through routeMessage first.
  void bind(HWND window, bool subclass);
  // The default handling of a message for this object's windows.
  LRESULT defaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

 protected:
  HWND hwnd_ = nullptr;

 private:
  HWND subclassed_ = nullptr;
  WNDPROC native_ = nullptr;
  bool live_ = true;
};

NativeWindow* objectOf(HWND window);

LRESULT CALLBACK routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace slumbrix::win32
