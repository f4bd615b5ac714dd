#pragma once

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <utility>

#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_peer.h"
#include "ui/text_box.h"

namespace slumbrix {

// What a text field's widget does with the user's editing: the form decides every key first
// (KeyFilter), typed characters go to TextBox::typeChar and the context menu's commands to the
// model's own calls; the model then tells the widget what it holds. The widget itself only
// moves the caret, selects with the mouse and the keys the form leaves it, and scrolls.
class TextInput {
 public:
  virtual ~TextInput() = default;

  // Tells the model where the caret and the selection are before an edit.
  bool syncSelection();
  // Types each character of the text into the field, through its key handler.
  void typeText(const QString& text);

 protected:
  // The widget's selection as start and length in the model's text.
  virtual std::pair<int, int> widgetSelection() const = 0;
  virtual TextBox* textBox() const = 0;

  // The context menu: Cut, Copy, Paste, Delete and Select All, each through the model, each
  // offered when the model says it would do something.
  void showContextMenu(QWidget& widget, const QPoint& globalPos);
};

// The part the one-line and the multi-line field share: the events that carry the user's
// editing go through TextInput; the middle button, which would paste the X selection past the
// model, does nothing.
template <class Widget>
class TextFieldPeer : public Widget, public QtPeer, public TextInput {
 public:
  TextFieldPeer(FormWindow& window, TextBox& box, QWidget* parent)
      : Widget(parent), QtPeer(box), window_(window) {
    Widget::setAcceptDrops(false);
  }

 protected:
  void inputMethodEvent(QInputMethodEvent* event) override {
    typeText(event->commitString());
    event->accept();
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    showContextMenu(*this, event->globalPos());
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::MiddleButton) Widget::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::MiddleButton) Widget::mouseReleaseEvent(event);
  }
  TextBox* textBox() const override { return static_cast<TextBox*>(control_); }

  FormWindow& window_;
};

// A one-line text field.
class LineEditPeer : public TextFieldPeer<QLineEdit> {
 public:
  LineEditPeer(FormWindow& window, TextBox& box, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 protected:
  std::pair<int, int> widgetSelection() const override;

 private:
  void showSelection(const TextBox& box);
};

// A text field of several lines, with its vertical scroll bar where the model asks for one.
// The model keeps line ends as CR LF; the widget shows them as line breaks.
class TextEditPeer : public TextFieldPeer<QPlainTextEdit> {
 public:
  TextEditPeer(FormWindow& window, TextBox& box, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 protected:
  std::pair<int, int> widgetSelection() const override;

 private:
  void showSelection(const TextBox& box);
};

// Positions in the model's text (CR LF line ends) and in the widget's (one break character).
int widgetPosition(const std::string& modelText, int modelPosition);
int modelPosition(const std::string& modelText, int widgetPosition);

}  // namespace slumbrix
