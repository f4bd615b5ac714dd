#include "frontend/win32/keys_win32.h"

namespace slumbrix::win32 {
namespace {

Key keyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB:
      return Key::Tab;
    case VK_RETURN:
      return Key::Enter;
    case VK_ESCAPE:
      return Key::Escape;
    case VK_SPACE:
      return Key::Space;
    case VK_BACK:
      return Key::Backspace;
    case VK_DELETE:
      return Key::Delete;
    case VK_INSERT:
      return Key::Insert;
    case VK_LEFT:
      return Key::Left;
    case VK_RIGHT:
      return Key::Right;
    case VK_UP:
      return Key::Up;
    case VK_DOWN:
      return Key::Down;
    case VK_HOME:
      return Key::Home;
    case VK_END:
      return Key::End;
    case VK_PRIOR:
      return Key::PageUp;
    case VK_NEXT:
      return Key::PageDown;
    case VK_F10:
      return Key::F10;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
      return Key::Alt;
    default:
      return virtualKey >= 'A' && virtualKey <= 'Z' ? Key::Letter : Key::Other;
  }
}

bool keyIsDown(int virtualKey) {
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

unsigned heldModifiers() {
  unsigned modifiers = 0;
  if (keyIsDown(VK_SHIFT)) modifiers |= kShiftModifier;
  if (keyIsDown(VK_CONTROL)) modifiers |= kControlModifier;
  if (keyIsDown(VK_MENU)) modifiers |= kAltModifier;
  return modifiers;
}

KeyStroke keyStrokeOf(WPARAM virtualKey) {
  KeyStroke stroke;
  stroke.key = keyOf(virtualKey);
  if (stroke.key == Key::Letter) stroke.letter = static_cast<char>(virtualKey);
  stroke.modifiers = heldModifiers();
  return stroke;
}

}  // namespace slumbrix::win32
