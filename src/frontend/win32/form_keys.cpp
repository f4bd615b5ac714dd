// The keyboard of a form window: every key goes to the form before the window sees it.
#include "frontend/win32/form_window.h"
#include "frontend/win32/keys_win32.h"
#include "frontend/win32/text_box_window.h"

namespace slumbrix::win32 {

ControlWindow* FormWindow::controlWindowOf(HWND window) const {
  for (HWND w = window; w != nullptr && w != hwnd_; w = GetParent(w)) {
    for (const auto& control : controls_)
      if (control->hwnd() == w) return control.get();
  }
  return nullptr;
}

bool FormWindow::translateKey(const MSG& message) {
  ControlWindow* focused = controlWindowOf(message.hwnd);
  if (focused == nullptr && message.hwnd != hwnd_) return false;
  const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  auto* field = dynamic_cast<TextBoxWindow*>(focused);
  if (down && field != nullptr) field->takeSelection();
  const KeyStroke stroke = keyStrokeOf(message.wParam);
  const KeyOutcome outcome =
      down ? form_.keyDown(focused == nullptr ? nullptr : &focused->control(), stroke)
           : form_.keyUp(stroke);
  // The key may have closed the window or ended the program.
  if (!live()) return true;
  // Alt, F10 and the Alt combinations go on to DefWindowProc, which enters the menu bar the
  // way the form asked, opens a list on Alt+Down or closes the window on Alt+F4.
  if (message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP) return false;
  if (outcome.route != KeyRoute::Taken) return false;
  if (outcome.focus != nullptr) focusOn(outcome.focus);
  return true;
}

void FormWindow::showFocusCues() {
  SendMessageA(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace slumbrix::win32
