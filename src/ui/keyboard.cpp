// What the keys do in a form: the one place both front ends ask.
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace slumbrix {
namespace {

constexpr KeyOutcome kTaken{KeyRoute::Taken, nullptr};
constexpr KeyOutcome kWidget{KeyRoute::Widget, nullptr};
constexpr KeyOutcome kCharacter{KeyRoute::Character, nullptr};

bool has(const KeyStroke& stroke, unsigned modifier) {
  return (stroke.modifiers & modifier) != 0;
}

// The control character Ctrl+letter makes: Ctrl+A is 1 ... Ctrl+Z is 26.
std::int16_t controlCharacter(const KeyStroke& stroke) {
  return static_cast<std::int16_t>(stroke.letter - 'A' + 1);
}

// The keys that only move the caret or the selection in a text field.
bool movesCaret(Key key) {
  switch (key) {
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
    case Key::Home:
    case Key::End:
    case Key::PageUp:
    case Key::PageDown:
      return true;
    default:
      return false;
  }
}

// Up and Left go back, Down and Right forward; other keys are no arrow (0).
int arrowDirection(Key key) {
  switch (key) {
    case Key::Up:
    case Key::Left:
      return -1;
    case Key::Down:
    case Key::Right:
      return 1;
    default:
      return 0;
  }
}

KeyOutcome buttonKey(CommandButton& button, const KeyStroke& stroke) {
  // Enter presses the button that has the focus, and only that one; Space is the widget's.
  if (stroke.key == Key::Enter && stroke.modifiers == 0) {
    button.click();
    return kTaken;
  }
  // An arrow on a push button or a check box goes nowhere: only an option group moves.
  return arrowDirection(stroke.key) != 0 ? kTaken : kWidget;
}

KeyOutcome optionKey(OptionButton& option, const KeyStroke& stroke) {
  const int direction = arrowDirection(stroke.key);
  if (direction == 0) return kWidget;
  OptionButton* next = option.neighbour(direction > 0);
  if (next == &option) return kTaken;
  // As a click on it would: selected, and its Click runs.
  next->click();
  return {KeyRoute::Taken, next};
}

// The arrows and page steps of a spin button, from itself or from its field.
bool spinKey(VScrollBar& bar, Key key) {
  switch (key) {
    case Key::Up:
      bar.arrowUp();
      return true;
    case Key::Down:
      bar.arrowDown();
      return true;
    case Key::PageUp:
      bar.pageUp();
      return true;
    case Key::PageDown:
      bar.pageDown();
      return true;
    default:
      return false;
  }
}

KeyOutcome textKeyWithControl(TextBox& box, const KeyStroke& stroke) {
  if (stroke.key == Key::Letter) {
    // The character goes through the field's KeyPress, which may discard it.
    box.typeChar(controlCharacter(stroke));
    return kTaken;
  }
  if (stroke.key == Key::Insert && !has(stroke, kShiftModifier)) {
    box.copy();
    return kTaken;
  }
  // Ctrl with an arrow, Home or End moves by words or to an end; any other Ctrl key (undo,
  // delete a word) would change the text behind the model's back.
  return movesCaret(stroke.key) ? kWidget : kTaken;
}

KeyOutcome textKey(TextBox& box, const KeyStroke& stroke) {
  // Ctrl+Alt is AltGr on many keyboards, which types characters.
  if (has(stroke, kControlModifier) && has(stroke, kAltModifier)) return kCharacter;
  if (has(stroke, kControlModifier)) return textKeyWithControl(box, stroke);
  const bool shift = has(stroke, kShiftModifier);
  switch (stroke.key) {
    case Key::Delete:
      if (shift) {
        box.cut();
      } else {
        box.pressDelete();
      }
      return kTaken;
    case Key::Insert:
      if (shift) box.pasteClipboard();
      return kTaken;
    case Key::Backspace:
      box.typeChar(kAsciiBackspace);
      return kTaken;
    case Key::Enter:
      box.typeChar(kAsciiEnter);
      return kTaken;
    case Key::Escape:
      box.typeChar(kAsciiEscape);
      return kTaken;
    case Key::Letter:
    case Key::Space:
    case Key::Other:
      return kCharacter;
    default:
      break;
  }
  if (box.spinButton != nullptr && !shift && spinKey(*box.spinButton, stroke.key)) return kTaken;
  return movesCaret(stroke.key) ? kWidget : kTaken;
}

}  // namespace

bool Form::hasMenuBar() const {
  for (const Control* c : controls())
    if (c->kind() == ControlKind::Menu && c->container() == this && c->Visible()) return true;
  return false;
}

KeyOutcome Form::keyDown(Control* focus, const KeyStroke& stroke) {
  if (stroke.key == Key::Alt) {
    // Alt alone, let go with no other key in between, enters the menu bar (keyUp).
    altAlone_ = (stroke.modifiers & ~kAltModifier) == 0;
    return kTaken;
  }
  altAlone_ = false;
  if (!takesInput()) return kWidget;
  // F10 enters the menu bar; with Shift it opens a context menu, the widget's or the system's.
  if (stroke.key == Key::F10 && stroke.modifiers == 0)
    return hasMenuBar() ? KeyOutcome{KeyRoute::MenuBar, nullptr} : kTaken;
  if (stroke.key == Key::F10) return kWidget;
  if (stroke.key == Key::Tab && !has(stroke, kControlModifier) && !has(stroke, kAltModifier))
    return {KeyRoute::Taken, tab(focus, !has(stroke, kShiftModifier))};
  // The other Alt combinations are the system's and the widgets' (Alt+F4, Alt+Down on a list).
  if (has(stroke, kAltModifier) && !has(stroke, kControlModifier)) return kWidget;
  if (focus == nullptr || focus->form() != this) return formKey(stroke);
  switch (focus->kind()) {
    case ControlKind::CommandButton:
      return buttonKey(static_cast<CommandButton&>(*focus), stroke);
    case ControlKind::CheckBox:
      return arrowDirection(stroke.key) != 0 ? kTaken : kWidget;
    case ControlKind::OptionButton:
      return optionKey(static_cast<OptionButton&>(*focus), stroke);
    case ControlKind::VScrollBar:
      if (stroke.modifiers != 0) return kWidget;
      return spinKey(static_cast<VScrollBar&>(*focus), stroke.key) ? kTaken : kWidget;
    case ControlKind::TextBox:
      return textKey(static_cast<TextBox&>(*focus), stroke);
    default:
      return kWidget;
  }
}

KeyOutcome Form::formKey(const KeyStroke& stroke) {
  // With no control focused the keys' characters go to the form's own key handler.
  switch (stroke.key) {
    case Key::Escape:
      keyPress(kAsciiEscape);
      return kTaken;
    case Key::Enter:
      keyPress(kAsciiEnter);
      return kTaken;
    case Key::Backspace:
      keyPress(kAsciiBackspace);
      return kTaken;
    case Key::Letter:
      if (!has(stroke, kControlModifier)) return kCharacter;
      keyPress(controlCharacter(stroke));
      return kTaken;
    case Key::Space:
    case Key::Other:
      return has(stroke, kControlModifier) ? kTaken : kCharacter;
    default:
      return kTaken;
  }
}

KeyOutcome Form::keyUp(const KeyStroke& stroke) {
  if (stroke.key != Key::Alt) return kWidget;
  const bool alone = altAlone_;
  altAlone_ = false;
  return alone && takesInput() && hasMenuBar() ? KeyOutcome{KeyRoute::MenuBar, nullptr} : kTaken;
}

}  // namespace slumbrix
