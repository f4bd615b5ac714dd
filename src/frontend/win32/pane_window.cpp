#include "frontend/win32/pane_window.h"

#include <algorithm>
#include <cmath>

namespace slumbrix::win32 {

namespace {

HWND createPane(ControlWindow& object, const Control& control, Toolkit& toolkit, HWND parent,
                DWORD exStyle) {
  const RECT r = toolkit.pixelRect(control.bounds());
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (control.Visible()) style |= WS_VISIBLE;
  return CreateWindowExA(exStyle | WS_EX_CONTROLPARENT, kPaneClass, "", style, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, parent, nullptr, toolkit.instance(),
                         &object);
}

bool eraseWith(HWND window, HDC dc, HBRUSH brush) {
  RECT r;
  GetClientRect(window, &r);
  FillRect(dc, &r, brush);
  return true;
}

}  // namespace

// ---- Frame ------------------------------------------------------------------------------

void FrameWindow::create(HWND parent) {
  HWND pane = createPane(*this, control_, toolkit(), parent, 0);
  if (pane == nullptr) return;
  nameWindow(pane);
  RECT r;
  GetClientRect(pane, &r);
  // The themed group box fills its background when it paints; clipped to its own area, it
  // leaves the controls of the frame and their borders alone.
  groupBox = CreateWindowExA(0, "BUTTON", text(static_cast<Frame&>(control_).Caption()),
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, r.right,
                             r.bottom, pane, nullptr, toolkit().instance(), nullptr);
  SendMessageA(groupBox, WM_SETFONT, reinterpret_cast<WPARAM>(toolkit().fontOf(control_)), FALSE);
  bind(groupBox, true);
}

void FrameWindow::sendGroupBoxBack() {
  SetWindowPos(groupBox, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FrameWindow::update(Property property) {
  if (property == Property::Caption)
    SetWindowTextA(groupBox, text(static_cast<Frame&>(control_).Caption()));
  if (property == Property::Bounds) {
    RECT r;
    GetClientRect(hwnd_, &r);
    SetWindowPos(groupBox, nullptr, 0, 0, r.right, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool FrameWindow::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_ERASEBKGND) return false;
  result = eraseWith(hwnd_, reinterpret_cast<HDC>(wParam),
                     toolkit().brush(toolkit().backgroundOf(control_)));
  return true;
}

// ---- Picture box ------------------------------------------------------------------------

PictureWindow::~PictureWindow() {
  forgetRefresh();
  surface.release();  // first: it may hold the picture selected
  if (bitmap != nullptr) DeleteObject(bitmap);
}

void PictureWindow::create(HWND parent) {
  const DWORD exStyle = control_.borderStyle == BorderStyle::Fixed3D ? WS_EX_CLIENTEDGE : 0;
  if (createPane(*this, control_, toolkit(), parent, exStyle) == nullptr) return;
  nameWindow(hwnd_);
  if (!picture().picture.empty()) {
    bitmap = static_cast<HBITMAP>(LoadImageA(toolkit().instance(), picture().picture.c_str(),
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  if (bitmap != nullptr && control_.autoSize) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    SetWindowPos(hwnd_, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void PictureWindow::update(Property property) {
  if (property == Property::Drawing) queueRefresh();
}

POINT PictureWindow::toPixels(const DrawOp& op, double x, double y, int width, int height) const {
  const PixelMapping::Point at = picture().pixelMapping(width, height).place(op.mode, x, y);
  return POINT{static_cast<LONG>(std::lround(at.x)), static_cast<LONG>(std::lround(at.y))};
}

bool PictureWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;  // WM_PAINT covers the whole area
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      paint(dc, ps.rcPaint);
      EndPaint(hwnd_, &ps);
      return true;
    }
    case WM_PRINTCLIENT: {
      RECT all;
      GetClientRect(hwnd_, &all);
      paint(reinterpret_cast<HDC>(wParam), all);
      return true;
    }
    case WM_SIZE:
      stale = true;
      InvalidateRect(hwnd_, nullptr, FALSE);
      return false;
    case WM_LBUTTONDOWN:
      pressed = true;
      SetCapture(hwnd_);
      return true;
    case WM_LBUTTONUP: {
      if (!pressed) return true;
      pressed = false;
      ReleaseCapture();
      RECT area;
      GetClientRect(hwnd_, &area);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (PtInRect(&area, at) != FALSE) picture().click();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace slumbrix::win32
