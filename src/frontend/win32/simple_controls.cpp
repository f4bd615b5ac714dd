#include "frontend/win32/simple_controls.h"

#include <algorithm>
#include <cstdlib>

#include "ui/control.h"

namespace slumbrix::win32 {

namespace {

constexpr int kMaxVisibleItems = 8;

}  // namespace

// ---- Label ------------------------------------------------------------------------------

void LabelWindow::create(HWND parent) {
  const auto& label = static_cast<Label&>(control_);
  const DWORD exStyle = control_.borderStyle == BorderStyle::Fixed3D ? WS_EX_CLIENTEDGE : 0;
  createNative("STATIC", label.Caption(), alignmentStyle(control_.alignment), exStyle, parent);
  fitToText();
}

void LabelWindow::update(Property property) {
  if (property != Property::Caption) return;
  SetWindowTextA(hwnd_, text(static_cast<Label&>(control_).Caption()));
  fitToText();
}

// A label that sizes itself takes the extent of its text in its font.
void LabelWindow::fitToText() {
  if (!control_.autoSize || hwnd_ == nullptr) return;
  const std::string& caption = static_cast<Label&>(control_).Caption();
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, toolkit().fontOf(control_));
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, std::max<LONG>(size.cy, metrics.tmHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH LabelWindow::onColor(HDC dc) {
  return containerColors(dc);
}

// ---- Command button ---------------------------------------------------------------------

void CommandButtonWindow::create(HWND parent) {
  const DWORD style = button().isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  createNative("BUTTON", button().Caption(), style | WS_TABSTOP, 0, parent);
}

void CommandButtonWindow::update(Property property) {
  if (property == Property::Caption) SetWindowTextA(hwnd_, text(button().Caption()));
}

void CommandButtonWindow::onCommand(WORD code) {
  if (code == BN_CLICKED) button().click();
}

// ---- Check box --------------------------------------------------------------------------

void CheckBoxWindow::create(HWND parent) {
  createNative("BUTTON", box().Caption(), BS_CHECKBOX | WS_TABSTOP, 0, parent);
  update(Property::Value);
}

void CheckBoxWindow::update(Property property) {
  if (property == Property::Caption) SetWindowTextA(hwnd_, text(box().Caption()));
  if (property == Property::Value) {
    const WPARAM state = box().Value() == 0   ? BST_UNCHECKED
                         : box().Value() == 1 ? BST_CHECKED
                                              : BST_INDETERMINATE;
    SendMessageA(hwnd_, BM_SETCHECK, state, 0);
  }
}

void CheckBoxWindow::onCommand(WORD code) {
  if (code == BN_CLICKED) box().click();
}

// ---- Option button ----------------------------------------------------------------------

void OptionButtonWindow::create(HWND parent) {
  createNative("BUTTON", option().Caption(), BS_RADIOBUTTON | WS_TABSTOP, 0, parent);
  update(Property::Value);
}

void OptionButtonWindow::update(Property property) {
  if (property == Property::Caption) SetWindowTextA(hwnd_, text(option().Caption()));
  if (property == Property::Value)
    SendMessageA(hwnd_, BM_SETCHECK, option().Value() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButtonWindow::onCommand(WORD code) {
  if (code == BN_CLICKED) option().click();
}

// ---- Combo box --------------------------------------------------------------------------

void ComboBoxWindow::create(HWND parent) {
  createNative("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, parent);
  fillList();
}

int ComboBoxWindow::extraHeight() const {
  if (hwnd_ == nullptr) return 0;
  const int item = static_cast<int>(SendMessageA(hwnd_, CB_GETITEMHEIGHT, 0, 0));
  const int shown = std::clamp(combo().ListCount(), 1, kMaxVisibleItems);
  return std::max(item, 1) * shown + 2;
}

void ComboBoxWindow::fillList() {
  SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < combo().ListCount(); ++i) {
    const LRESULT at =
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(combo().List(i).c_str()));
    if (at >= 0) SendMessageA(hwnd_, CB_SETITEMDATA, at, combo().ItemData(i));
  }
  applyBounds();
  showChoice();
}

void ComboBoxWindow::showChoice() {
  SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo().ListIndex()), 0);
}

void ComboBoxWindow::update(Property property) {
  if (property == Property::List) fillList();
  if (property == Property::ListIndex) showChoice();
}

void ComboBoxWindow::onCommand(WORD code) {
  if (code != CBN_SELCHANGE) return;
  const int chosen = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
  combo().choose(chosen);
  // The list shows what the model holds, also when it refused the choice.
  if (live() && hwnd_ != nullptr) showChoice();
}

HBRUSH ComboBoxWindow::onColor(HDC dc) {
  if (!control_.backColor && !control_.foreColor) return nullptr;
  const COLORREF back = toolkit().backgroundOf(control_);
  SetTextColor(dc,
               control_.foreColor ? control_.foreColor->colorRef() : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  return toolkit().brush(back);
}

// ---- Scroll bar -------------------------------------------------------------------------

void ScrollBarWindow::create(HWND parent) {
  createNative("SCROLLBAR", "", SBS_VERT | WS_TABSTOP, 0, parent);
  showValue();
}

void ScrollBarWindow::showValue() {
  const int span = std::abs(bar().Max() - bar().Min());
  const int position = std::abs(bar().Value() - bar().Min());
  SetScrollRange(hwnd_, SB_CTL, 0, span, FALSE);
  SetScrollPos(hwnd_, SB_CTL, position, TRUE);
}

void ScrollBarWindow::update(Property property) {
  if (property == Property::Value || property == Property::Range) showValue();
}

void ScrollBarWindow::onScroll(WORD code) {
  switch (code) {
    case SB_LINEUP:
      bar().arrowUp();
      break;
    case SB_LINEDOWN:
      bar().arrowDown();
      break;
    case SB_PAGEUP:
      bar().pageUp();
      break;
    case SB_PAGEDOWN:
      bar().pageDown();
      break;
    default:
      // FIXME: dragging the thumb has no user-input call in the control model; the bar
      // snaps back to the model's value.
      break;
  }
  if (live() && hwnd_ != nullptr) showValue();
}

}  // namespace slumbrix::win32
