#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>

#include "frontend/qt/qt_text.h"
#include "frontend/qt/text_peers.h"

namespace slumbrix {
namespace {

constexpr std::int16_t kCtrlV = 22;
constexpr std::int16_t kCtrlX = 24;
constexpr std::int16_t kEnter = 13;
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

void TextInput::pasteClipboard() {
  QString text = QApplication::clipboard()->text();
  // A one-line field takes the first line only.
  if (singleLine()) text = text.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0);
  if (!singleLine())
    text.replace(QRegularExpression(QStringLiteral("\r?\n")), QStringLiteral("\r\n"));
  if (syncSelection()) textBox()->paste(toAnsi(text));
}

void TextInput::cut() {
  if (!syncSelection() || textBox()->SelLength() == 0 || textBox()->Locked()) return;
  const std::string& text = textBox()->Text();
  QApplication::clipboard()->setText(
      fromAnsi(text.substr(static_cast<std::size_t>(textBox()->SelStart()),
                           static_cast<std::size_t>(textBox()->SelLength()))));
  textBox()->pressDelete();
}

TextInput::KeyRoute TextInput::routeKey(const QKeyEvent& event) {
  TextBox* box = textBox();
  if (box == nullptr) return KeyRoute::Nobody;
  const int key = event.key();
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (isNavigation(key) || event.matches(QKeySequence::Copy) ||
      event.matches(QKeySequence::SelectAll))
    return KeyRoute::Widget;
  if (!syncSelection()) return KeyRoute::Nobody;
  // Shift+Insert and Shift+Delete paste and cut directly; Ctrl+V and Ctrl+X are control
  // characters that pass through the field's key handler first, which may discard them.
  if (key == Qt::Key_Insert && mods == Qt::ShiftModifier) {
    pasteClipboard();
  } else if (key == Qt::Key_Delete && mods == Qt::ShiftModifier) {
    cut();
  } else if (key == Qt::Key_Delete && mods == Qt::NoModifier) {
    box->pressDelete();
  } else if (key == Qt::Key_Backspace && mods == Qt::NoModifier) {
    box->typeChar(TextBox::kBackspace);
  } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::NoModifier) {
    if (!singleLine() && !box->KeyPress) {
      box->paste("\r\n");
    } else {
      box->typeChar(kEnter);
    }
  } else if (key == Qt::Key_Escape) {
    box->typeChar(kEscape);
  } else if (event.matches(QKeySequence::Paste)) {
    if (!box->KeyPress)
      pasteClipboard();
    else
      box->typeChar(kCtrlV);
  } else if (event.matches(QKeySequence::Cut)) {
    if (!box->KeyPress)
      cut();
    else
      box->typeChar(kCtrlX);
  } else if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) != 0) {
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).unicode() < 32)
      box->typeChar(static_cast<std::int16_t>(text.at(0).unicode()));
  } else if (!event.text().isEmpty() && event.text().at(0).unicode() >= 32) {
    typeText(event.text());
  } else {
    return KeyRoute::Nobody;
  }
  return KeyRoute::Model;
}

void TextInput::routeCommit(const QString& text) {
  typeText(text);
}

void TextInput::showContextMenu(QWidget& widget, const QPoint& globalPos, bool hasSelection) {
  TextBox* box = textBox();
  if (box == nullptr) return;
  const bool editable = !box->Locked();
  QMenu menu(&widget);
  QAction* cutAction = menu.addAction(QObject::tr("Cu&t"), [this] { cut(); });
  QAction* copyAction = menu.addAction(QObject::tr("&Copy"),
                                       [&widget] { QMetaObject::invokeMethod(&widget, "copy"); });
  QAction* pasteAction = menu.addAction(QObject::tr("&Paste"), [this] { pasteClipboard(); });
  QAction* deleteAction = menu.addAction(QObject::tr("&Delete"), [this] {
    if (syncSelection()) textBox()->pressDelete();
  });
  menu.addSeparator();
  menu.addAction(QObject::tr("Select &All"), [this] {
    if (textBox() != nullptr) textBox()->selectAll();
  });
  cutAction->setEnabled(editable && hasSelection);
  copyAction->setEnabled(hasSelection);
  pasteAction->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
  deleteAction->setEnabled(editable && hasSelection);
  menu.exec(globalPos);
}

}  // namespace slumbrix
