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

// What a text field's widget does with the user's editing: every key that makes a character
// (control characters such as Ctrl+V included) goes to TextBox::typeChar, and the keys and
// menu commands without one to the model's own calls (Delete, paste, cut, copy); the model then
// tells the widget what it holds. The widget itself only moves the caret, selects with the
// mouse and the Shift+arrow keys, and scrolls.
class TextInput {
 public:
  virtual ~TextInput() = default;

 protected:
  enum class KeyRoute { Model, Widget, Nobody };

  // The widget's selection as start and length in the model's text.
  virtual std::pair<int, int> widgetSelection() const = 0;
  virtual TextBox* textBox() const = 0;

  // Takes a key press; says who handles it.
  KeyRoute routeKey(const QKeyEvent& event);
  void routeCommit(const QString& text);
  // The context menu: Cut, Copy, Paste, Delete and Select All, each through the model.
  void showContextMenu(QWidget& widget, const QPoint& globalPos);

 private:
  // Tells the model where the caret and the selection are before an edit.
  bool syncSelection();
  void typeText(const QString& text);
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
  void keyPressEvent(QKeyEvent* event) override {
    switch (routeKey(*event)) {
      case KeyRoute::Model:
        event->accept();
        break;
      case KeyRoute::Widget:
        Widget::keyPressEvent(event);
        break;
      case KeyRoute::Nobody:
        event->ignore();
        break;
    }
  }
  void inputMethodEvent(QInputMethodEvent* event) override {
    routeCommit(event->commitString());
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
