#include "frontend/win32/native_window.h"

namespace slumbrix::win32 {

bool NativeWindow::onMessage(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

void NativeWindow::bind(HWND window, bool subclass) {
  if (hwnd_ == nullptr) hwnd_ = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (subclass) {
    subclassed_ = window;
    native_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&routeMessage)));
  }
}

LRESULT NativeWindow::defaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (native_ != nullptr && window == subclassed_)
    return CallWindowProcA(native_, window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

NativeWindow* objectOf(HWND window) {
  if (window == nullptr) return nullptr;
  return reinterpret_cast<NativeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

namespace {

// Parent notifications go to the object of the control that sent them.
bool routeToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = reinterpret_cast<HWND>(lParam);
  NativeWindow* control = objectOf(child);
  if (control == nullptr || !control->live()) return false;
  switch (message) {
    case WM_COMMAND:
      control->onCommand(HIWORD(wParam));
      result = 0;
      return true;
    case WM_VSCROLL:
      control->onScroll(LOWORD(wParam));
      result = 0;
      return true;
    default: {
      HBRUSH brush = control->onColor(reinterpret_cast<HDC>(wParam));
      if (brush == nullptr) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
  }
}

bool isParentNotification(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return lParam != 0;
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return lParam != 0;
    default:
      return false;
  }
}

}  // namespace

LRESULT CALLBACK routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    if (auto* object = static_cast<NativeWindow*>(create->lpCreateParams))
      object->bind(window, false);
  }
  NativeWindow* self = objectOf(window);
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (self->live()) {
    LRESULT result = 0;
    if (isParentNotification(message, lParam) && routeToControl(message, wParam, lParam, result))
      return result;
    if (self->onMessage(message, wParam, lParam, result)) return result;
  }
  return self->defaultProc(window, message, wParam, lParam);
}

}  // namespace slumbrix::win32
