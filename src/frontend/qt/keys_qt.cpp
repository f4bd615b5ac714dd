#include "frontend/qt/keys_qt.h"

#include <QKeyEvent>
#include <QPointer>

#include "frontend/qt/form_window.h"
#include "frontend/qt/text_peers.h"

namespace slumbrix {
namespace {

Key keyOf(int key) {
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_Backspace:
      return Key::Backspace;
    case Qt::Key_Delete:
      return Key::Delete;
    case Qt::Key_Insert:
      return Key::Insert;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_End:
      return Key::End;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_F10:
      return Key::F10;
    case Qt::Key_Alt:
      return Key::Alt;
    default:
      return key >= Qt::Key_A && key <= Qt::Key_Z ? Key::Letter : Key::Other;
  }
}

}  // namespace

KeyStroke keyStrokeOf(const QKeyEvent& event) {
  KeyStroke stroke;
  stroke.key = keyOf(event.key());
  if (stroke.key == Key::Letter) stroke.letter = static_cast<char>('A' + (event.key() - Qt::Key_A));
  const Qt::KeyboardModifiers mods = event.modifiers();
  // Qt reports Shift+Tab as its own key.
  if ((mods & Qt::ShiftModifier) != 0 || event.key() == Qt::Key_Backtab)
    stroke.modifiers |= kShiftModifier;
  if ((mods & Qt::ControlModifier) != 0) stroke.modifiers |= kControlModifier;
  if ((mods & Qt::AltModifier) != 0) stroke.modifiers |= kAltModifier;
  return stroke;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
    return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  QPointer<FormWindow> window = dynamic_cast<FormWindow*>(widget->window());
  if (window == nullptr || window->form() == nullptr) return false;
  if (type == QEvent::ShortcutOverride) {
    // Alt is the form's (Form::keyUp): claimed here, the key press then comes as any other,
    // and the menu bar's own Alt handling never starts.
    if (keyStrokeOf(static_cast<const QKeyEvent&>(*event)).key != Key::Alt) return false;
    event->accept();
    return true;
  }
  // A key reaches the form once, where the window's focus is (Qt offers a key the focused
  // widget ignores to each of its parents too): at a control's widget, or at the window while
  // no widget of it has the focus. The menu bar keeps its own keys.
  QWidget* focusWidget = window->focusWidget();
  if (widget != (focusWidget != nullptr ? focusWidget : window.data())) return false;
  Control* focus = window->controlOf(widget);
  if (focus == nullptr && widget != window) return false;
  const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
  auto* field = dynamic_cast<TextInput*>(widget);
  if (type == QEvent::KeyPress && field != nullptr) field->syncSelection();
  const KeyOutcome outcome = type == QEvent::KeyPress
                                 ? window->form()->keyDown(focus, keyStrokeOf(keyEvent))
                                 : window->form()->keyUp(keyStrokeOf(keyEvent));
  // The key may have closed the window or ended the program.
  if (window == nullptr || window->form() == nullptr) return true;
  switch (outcome.route) {
    case KeyRoute::Taken:
      if (outcome.focus != nullptr) window->focusControl(*outcome.focus);
      return true;
    case KeyRoute::MenuBar:
      window->enterMenuBar();
      return true;
    case KeyRoute::Character:
      // A key without a character (F1, the menu key) is the widget's.
      if (keyEvent.text().isEmpty()) return false;
      if (field != nullptr) {
        field->typeText(keyEvent.text());
        return true;
      }
      if (focus == nullptr) {
        window->typeIntoForm(keyEvent.text());
        return true;
      }
      return false;
    case KeyRoute::Widget:
      return false;
  }
  return false;
}

}  // namespace slumbrix
