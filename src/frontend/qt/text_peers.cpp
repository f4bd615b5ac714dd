#include "frontend/qt/text_peers.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "frontend/qt/appearance_qt.h"
#include "frontend/qt/qt_text.h"
#include "frontend/qt/widget_peer.h"

namespace slumbrix {
namespace {

// The model's text as the multi-line widget shows it.
QString withLineBreaks(const std::string& text) {
  QString shown = fromAnsi(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

}  // namespace

int widgetPosition(const std::string& modelText, int modelPos) {
  int shown = 0;
  for (int i = 0; i < modelPos && i < static_cast<int>(modelText.size()); ++i) {
    const bool pairEnd = modelText[static_cast<std::size_t>(i)] == '\n' && i > 0 &&
                         modelText[static_cast<std::size_t>(i - 1)] == '\r';
    if (!pairEnd) ++shown;
  }
  return shown;
}

int modelPosition(const std::string& modelText, int widgetPos) {
  int shown = 0;
  int i = 0;
  const int size = static_cast<int>(modelText.size());
  while (i < size && shown < widgetPos) {
    const bool pair = modelText[static_cast<std::size_t>(i)] == '\r' && i + 1 < size &&
                      modelText[static_cast<std::size_t>(i + 1)] == '\n';
    i += pair ? 2 : 1;
    ++shown;
  }
  return i;
}

LineEditPeer::LineEditPeer(FormWindow& window, TextBox& box, QWidget* parent)
    : TextFieldPeer(window, box, parent) {
  setDragEnabled(false);
  setAlignment(horizontalAlignment(box.alignment) | Qt::AlignVCenter);
  applyColors(*this, box, QPalette::Text, QPalette::Base);
  initializeWidget(window, *this, *this, box, {Property::Locked, Property::Text});
}

void LineEditPeer::propertyChanged(Control& control, Property property) {
  auto& box = static_cast<TextBox&>(control);
  if (property == Property::Text) {
    setText(fromAnsi(box.Text()));
    showSelection(box);
  }
  if (property == Property::Selection) showSelection(box);
  if (property == Property::Locked) setReadOnly(box.Locked());
  applyCommon(window_, *this, control, property);
}

void LineEditPeer::showSelection(const TextBox& box) {
  if (widgetSelection() == std::make_pair(box.SelStart(), box.SelLength())) return;
  if (box.SelLength() > 0) {
    setSelection(box.SelStart(), box.SelLength());
  } else {
    setCursorPosition(box.SelStart());
  }
}

std::pair<int, int> LineEditPeer::widgetSelection() const {
  if (!hasSelectedText()) return {cursorPosition(), 0};
  return {selectionStart(), selectionLength()};
}

TextEditPeer::TextEditPeer(FormWindow& window, TextBox& box, QWidget* parent)
    : TextFieldPeer(window, box, parent) {
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(box.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                   : Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  applyColors(*this, box, QPalette::Text, QPalette::Base);
  initializeWidget(window, *this, *this, box, {Property::Locked, Property::Text});
}

void TextEditPeer::propertyChanged(Control& control, Property property) {
  auto& box = static_cast<TextBox&>(control);
  if (property == Property::Text) {
    // A text the program sets is shown from its start; the caret follows the user's editing.
    setPlainText(withLineBreaks(box.Text()));
    moveCursor(QTextCursor::Start);
  }
  if (property == Property::Selection) showSelection(box);
  if (property == Property::Locked) {
    setReadOnly(box.Locked());
    if (box.Locked())
      setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  applyCommon(window_, *this, control, property);
}

void TextEditPeer::showSelection(const TextBox& box) {
  if (widgetSelection() == std::make_pair(box.SelStart(), box.SelLength())) return;
  QTextCursor cursor = textCursor();
  cursor.setPosition(widgetPosition(box.Text(), box.SelStart()));
  cursor.setPosition(widgetPosition(box.Text(), box.SelStart() + box.SelLength()),
                     QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

std::pair<int, int> TextEditPeer::widgetSelection() const {
  const TextBox* box = textBox();
  if (box == nullptr) return {0, 0};
  const QTextCursor cursor = textCursor();
  const int start = modelPosition(box->Text(), cursor.selectionStart());
  const int end = modelPosition(box->Text(), cursor.selectionEnd());
  return {start, end - start};
}

}  // namespace slumbrix
