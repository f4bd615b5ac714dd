#include "frontend/win32/text_box_window.h"

namespace slumbrix::win32 {

namespace {

enum Command : UINT { kCut = 1, kCopy, kPaste, kDelete, kSelectAll };

}  // namespace

void TextBoxWindow::create(HWND parent) {
  DWORD style = WS_TABSTOP | alignmentStyle(control_.alignment);
  if (box().multiLine) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (box().verticalScrollBar) style |= WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (box().Locked()) style |= ES_READONLY;
  // A text field always has the edit control's own sunken border.
  createNative("EDIT", "", style, WS_EX_CLIENTEDGE, parent);
  showText();
  update(Property::MaxLength);
}

void TextBoxWindow::showText() {
  settingText_ = true;
  SetWindowTextA(hwnd_, text(box().Text()));
  settingText_ = false;
}

void TextBoxWindow::showSelection() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto wantStart = static_cast<DWORD>(box().SelStart());
  const auto wantEnd = static_cast<DWORD>(box().SelStart() + box().SelLength());
  if (start == wantStart && end == wantEnd) return;
  SendMessageA(hwnd_, EM_SETSEL, wantStart, static_cast<LPARAM>(wantEnd));
  SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
}

void TextBoxWindow::update(Property property) {
  switch (property) {
    case Property::Text:
      showText();
      break;
    case Property::Selection:
      showSelection();
      break;
    case Property::MaxLength:
      SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(box().MaxLength()), 0);
      break;
    case Property::Locked:
      SendMessageA(hwnd_, EM_SETREADONLY, box().Locked() ? TRUE : FALSE, 0);
      break;
    default:
      break;
  }
}

bool TextBoxWindow::takeSelection() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return box().select(static_cast<int>(start), static_cast<int>(end) - static_cast<int>(start));
}

void TextBoxWindow::showContextMenu(LPARAM position) {
  if (!takeSelection()) return;
  const TextBox::EditCommands offered = box().editCommands();
  HMENU menu = CreatePopupMenu();
  const auto add = [menu](UINT id, const char* caption, bool enabled) {
    AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, caption);
  };
  add(kCut, "Cu&t", offered.cut);
  add(kCopy, "&Copy", offered.copy);
  add(kPaste, "&Paste", offered.paste);
  add(kDelete, "&Delete", offered.remove);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  add(kSelectAll, "Select &All", offered.selectAll);
  POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  if (position == -1) {
    RECT field{};
    GetWindowRect(hwnd_, &field);
    at = POINT{field.left, field.bottom};
  }
  const auto chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y,
                     0, hwnd_, nullptr));
  DestroyMenu(menu);
  // Each command acts on the selection the model holds when it is chosen.
  if (chosen == 0 || !live() || !takeSelection()) return;
  switch (chosen) {
    case kCut:
      box().cut();
      break;
    case kCopy:
      box().copy();
      break;
    case kPaste:
      box().pasteClipboard();
      break;
    case kDelete:
      box().pressDelete();
      break;
    default:
      box().selectAll();
      break;
  }
}

bool TextBoxWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CHAR:
      // Every character, control characters included, goes through the model's KeyPress.
      if (takeSelection()) box().typeChar(static_cast<std::int16_t>(wParam & 0xFF));
      return true;
    case WM_CONTEXTMENU:
      showContextMenu(lParam);
      return true;
    case WM_PASTE:
      if (takeSelection()) box().pasteClipboard();
      return true;
    case WM_CUT:
      if (takeSelection()) box().cut();
      return true;
    case WM_COPY:
      if (takeSelection()) box().copy();
      return true;
    case WM_CLEAR:
      if (takeSelection() && box().SelLength() > 0) box().pressDelete();
      return true;
    case WM_UNDO:
    case EM_UNDO:
    case WM_IME_CHAR:
      return true;
    case WM_SETTEXT:
      if (settingText_) return false;
      // Text set from outside the program (another process, an accessibility tool) is
      // entered like a replacement typed by the user.
      box().replaceText(lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
      result = TRUE;
      return true;
    default:
      return false;
  }
}

HBRUSH TextBoxWindow::onColor(HDC dc) {
  // A read-only field keeps the look of a field (the edit control would grey it); a disabled
  // one is greyed by the edit control.
  const bool plainLocked = box().Locked() && IsWindowEnabled(hwnd_) != FALSE;
  if (!control_.backColor && !control_.foreColor && !plainLocked) return nullptr;
  const COLORREF back =
      control_.backColor ? control_.backColor->colorRef() : GetSysColor(COLOR_WINDOW);
  SetTextColor(dc,
               control_.foreColor ? control_.foreColor->colorRef() : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  return toolkit().brush(back);
}

}  // namespace slumbrix::win32
