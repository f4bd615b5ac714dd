#include <QKeyEvent>
#include <QMenu>

#include "frontend/qt/qt_text.h"
#include "frontend/qt/text_peers.h"

namespace slumbrix {
namespace {

constexpr std::int16_t kEscape = 27;

bool isNavigation(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

// The control character a key makes, as the Windows keyboard makes it (Ctrl+A is 1 ...
// Ctrl+Z is 26, Backspace 8, Enter 13, Escape 27); 0 for a key that makes none.
std::int16_t controlCharacter(const QKeyEvent& event) {
  const int key = event.key();
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::NoModifier) {
    if (key == Qt::Key_Backspace) return TextBox::kBackspace;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return TextBox::kEnter;
  }
  if (key == Qt::Key_Escape) return kEscape;
  if ((mods & Qt::ControlModifier) == 0 || (mods & Qt::AltModifier) != 0) return 0;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(key - Qt::Key_A + 1);
  const QString text = event.text();
  if (text.size() == 1 && text.at(0).unicode() > 0 && text.at(0).unicode() < 32)
    return static_cast<std::int16_t>(text.at(0).unicode());
  return 0;
}

}  // namespace

bool TextInput::syncSelection() {
  TextBox* box = textBox();
  if (box == nullptr) return false;
  const auto [start, length] = widgetSelection();
  if (box->SelStart() == start && box->SelLength() == length) return true;
  return box->select(start, length);
}

void TextInput::typeText(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() > 0xFF || textBox() == nullptr || !syncSelection()) continue;
    textBox()->typeChar(static_cast<std::int16_t>(c.unicode()));
  }
}

TextInput::KeyRoute TextInput::routeKey(const QKeyEvent& event) {
  TextBox* box = textBox();
  if (box == nullptr) return KeyRoute::Nobody;
  if (isNavigation(event.key())) return KeyRoute::Widget;
  if (!syncSelection()) return KeyRoute::Nobody;
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  // A key with a character goes through the field's key handler, which may discard it; the
  // clipboard keys without one (Shift+Insert, Shift+Delete, Ctrl+Insert) do not.
  if (const std::int16_t control = controlCharacter(event); control != 0) {
    box->typeChar(control);
  } else if (event.key() == Qt::Key_Delete && mods == Qt::NoModifier) {
    box->pressDelete();
  } else if (event.matches(QKeySequence::Paste)) {
    box->pasteClipboard();
  } else if (event.matches(QKeySequence::Cut)) {
    box->cut();
  } else if (event.matches(QKeySequence::Copy)) {
    box->copy();
  } else if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) == 0 && !event.text().isEmpty() &&
             event.text().at(0).unicode() >= 32) {
    typeText(event.text());
  } else {
    return KeyRoute::Nobody;
  }
  return KeyRoute::Model;
}

void TextInput::routeCommit(const QString& text) {
  typeText(text);
}

void TextInput::showContextMenu(QWidget& widget, const QPoint& globalPos) {
  TextBox* box = textBox();
  if (box == nullptr || !syncSelection()) return;
  const bool editable = !box->Locked();
  const bool hasSelection = box->SelLength() > 0;
  // Each command acts on the selection the model holds when it is chosen.
  const auto onModel = [this](bool (TextBox::*command)()) {
    return [this, command] {
      if (syncSelection()) (textBox()->*command)();
    };
  };
  QMenu menu(&widget);
  QAction* cutAction = menu.addAction(QObject::tr("Cu&t"), onModel(&TextBox::cut));
  QAction* copyAction = menu.addAction(QObject::tr("&Copy"), onModel(&TextBox::copy));
  QAction* pasteAction = menu.addAction(QObject::tr("&Paste"), onModel(&TextBox::pasteClipboard));
  QAction* deleteAction = menu.addAction(QObject::tr("&Delete"), onModel(&TextBox::pressDelete));
  menu.addSeparator();
  menu.addAction(QObject::tr("Select &All"), onModel(&TextBox::selectAll));
  cutAction->setEnabled(editable && hasSelection);
  copyAction->setEnabled(hasSelection);
  const Form* owner = box->form();
  pasteAction->setEnabled(editable && owner != nullptr &&
                          !owner->windowSystem().clipboardText().empty());
  deleteAction->setEnabled(editable && hasSelection);
  menu.exec(globalPos);
}

}  // namespace slumbrix
