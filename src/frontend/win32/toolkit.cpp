#include "frontend/win32/toolkit.h"

#include <cmath>

#include "frontend/win32/native_window.h"
#include "ui/control.h"
#include "ui/effective_style.h"

namespace slumbrix::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

int twipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) return 15;
  const int value = (kTwipsPerInch + dotsPerInch / 2) / dotsPerInch;
  return value > 0 ? value : 1;
}

void registerClass(HINSTANCE instance, const char* name, UINT style) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = routeMessage;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.lpszClassName = name;
  RegisterClassA(&wc);  // fails harmlessly when a second window system registers again
}

bool isDefaultFont(const Font& font) {
  return font.name.empty() && !font.bold && font.sizePoints == Font{}.sizePoints;
}

}  // namespace

Toolkit::Toolkit() : instance_(GetModuleHandleA(nullptr)) {
  HDC screen = GetDC(nullptr);
  twipsPerPixelX_ = twipsPerPixel(GetDeviceCaps(screen, LOGPIXELSX));
  dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
  twipsPerPixelY_ = twipsPerPixel(dpiY_);
  ReleaseDC(nullptr, screen);
  registerClass(instance_, kFormClass, CS_DBLCLKS);
  registerClass(instance_, kPaneClass, CS_DBLCLKS);
  hiddenOwner_ = CreateWindowExA(0, kPaneClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 instance_, nullptr);
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
}

Toolkit::~Toolkit() {
  if (hiddenOwner_ != nullptr) DestroyWindow(hiddenOwner_);
  for (auto& [key, handle] : fonts_) DeleteObject(handle);
  for (auto& [key, handle] : brushes_) DeleteObject(handle);
}

int Toolkit::pixelsX(double twips) const {
  return static_cast<int>(std::lround(twips / twipsPerPixelX_));
}
int Toolkit::pixelsY(double twips) const {
  return static_cast<int>(std::lround(twips / twipsPerPixelY_));
}

RECT Toolkit::pixelRect(const Rect& r) const {
  const int left = pixelsX(r.left);
  const int top = pixelsY(r.top);
  return RECT{left, top, left + pixelsX(r.width), top + pixelsY(r.height)};
}

HFONT Toolkit::font(const Font& wanted) {
  std::string name = wanted.name;
  if (name.empty()) {
    LOGFONTA dialog{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof dialog, &dialog);
    name = dialog.lfFaceName;
  }
  const int height = -static_cast<int>(std::lround(wanted.sizePoints * dpiY_ / 72.0));
  const auto key = std::make_tuple(name, height, wanted.bold);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  HFONT created = CreateFontA(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name.c_str());
  if (created == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_[key] = created;
  return created;
}

HFONT Toolkit::fontOf(const Control& control) {
  const Font wanted = effectiveFont(control);
  if (isDefaultFont(wanted)) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return font(wanted);
}

COLORREF Toolkit::backgroundOf(const Control& control) const {
  const std::optional<Color> back = effectiveBackColor(control);
  if (back) return back->colorRef();
  const bool field =
      control.kind() == ControlKind::TextBox || control.kind() == ControlKind::ComboBox;
  return GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE);
}

COLORREF Toolkit::textColorOf(const Control& control) const {
  return control.foreColor ? control.foreColor->colorRef() : GetSysColor(COLOR_BTNTEXT);
}

HBRUSH Toolkit::brush(COLORREF color) {
  if (auto it = brushes_.find(color); it != brushes_.end()) return it->second;
  HBRUSH created = CreateSolidBrush(color);
  brushes_[color] = created;
  return created;
}

}  // namespace slumbrix::win32
