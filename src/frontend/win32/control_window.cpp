#include "frontend/win32/control_window.h"

#include "frontend/win32/form_window.h"

namespace slumbrix::win32 {

static_assert(SS_LEFT == ES_LEFT && SS_CENTER == ES_CENTER && SS_RIGHT == ES_RIGHT);

DWORD alignmentStyle(Alignment alignment) {
  switch (alignment) {
    case Alignment::Center:
      return SS_CENTER;
    case Alignment::Right:
      return SS_RIGHT;
    default:
      return SS_LEFT;
  }
}

ControlWindow::ControlWindow(FormWindow& owner, Control& control)
    : owner_(owner), control_(control) {}

ControlWindow::~ControlWindow() {
  destroy();
}

Toolkit& ControlWindow::toolkit() const {
  return owner_.toolkit();
}

HWND ControlWindow::createNative(const char* className, const std::string& caption, DWORD style,
                                 DWORD exStyle, HWND parent) {
  const RECT r = toolkit().pixelRect(control_.bounds());
  if (control_.Visible()) style |= WS_VISIBLE;
  HWND window =
      CreateWindowExA(exStyle, className, text(caption), style | WS_CHILD | WS_CLIPSIBLINGS, r.left,
                      r.top, r.right - r.left, r.bottom - r.top + extraHeight(), parent, nullptr,
                      toolkit().instance(), nullptr);
  if (window == nullptr) return nullptr;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(toolkit().fontOf(control_)), FALSE);
  bind(window, true);
  nameWindow(window);
  return window;
}

void ControlWindow::nameWindow(HWND window) {
  nameAtom_ = GlobalAddAtomA(control_.displayName().c_str());
  named_ = window;
  SetPropA(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(nameAtom_)));
}

void ControlWindow::applyBounds() {
  const RECT r = toolkit().pixelRect(control_.bounds());
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + extraHeight(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlWindow::propertyChanged(Control&, Property property) {
  if (!live() || hwnd_ == nullptr) return;
  switch (property) {
    case Property::Bounds:
      applyBounds();
      break;
    case Property::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Enabled:
      owner_.applyEnabled();
      break;
    default:
      update(property);
      break;
  }
}

void ControlWindow::applyEnabled() {
  if (hwnd_ == nullptr) return;
  bool enabled = true;
  for (const Control* c = &control_; c != nullptr && c->kind() != ControlKind::Form;
       c = c->container()) {
    enabled = enabled && c->Enabled();
  }
  if ((IsWindowEnabled(hwnd_) != FALSE) != enabled) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void ControlWindow::destroy() {
  retire();
  if (named_ != nullptr && IsWindow(named_)) RemovePropA(named_, kNameProperty);
  if (nameAtom_ != 0) GlobalDeleteAtom(nameAtom_);
  nameAtom_ = 0;
  named_ = nullptr;
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

HBRUSH ControlWindow::containerColors(HDC dc) {
  const COLORREF back = toolkit().backgroundOf(control_);
  SetTextColor(dc, toolkit().textColorOf(control_));
  SetBkColor(dc, back);
  return toolkit().brush(back);
}

}  // namespace slumbrix::win32
