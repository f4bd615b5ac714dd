#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include <utility>

#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_peer.h"
#include "ui/text_box.h"

class QMenu;

namespace slumbrix {

// What a text field's widget does with the user's editing: everything that would change the
// text goes to the model (typed characters through KeyPress, Backspace as code 8, Delete,
// paste), which then tells the widget what it holds. The widget itself only moves the caret,
// selects, copies and scrolls.
class TextInput {
 public:
  virtual ~TextInput() = default;

 protected:
  enum class KeyRoute { Model, Widget, Nobody };

  // The widget's selection as start and length in the model's text.
  virtual std::pair<int, int> widgetSelection() const = 0;
  virtual bool singleLine() const = 0;
  virtual TextBox* textBox() const = 0;

  // Takes a key press; says who handles it.
  KeyRoute routeKey(const QKeyEvent& event);
  void routeCommit(const QString& text);
  // The context menu: Cut, Copy, Paste, Delete and Select All, each through the model.
  void showContextMenu(QWidget& widget, const QPoint& globalPos, bool hasSelection);

 private:
  bool syncSelection();
  void typeText(const QString& text);
  void pasteClipboard();
  void cut();
};

// A one-line text field.
class LineEditPeer : public QLineEdit, public QtPeer, public TextInput {
 public:
  LineEditPeer(FormWindow& window, TextBox& box, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  std::pair<int, int> widgetSelection() const override;
  bool singleLine() const override { return true; }
  TextBox* textBox() const override { return static_cast<TextBox*>(control_); }

 private:
  void showSelection(const TextBox& box);

  FormWindow& window_;
};

// A text field of several lines, with its vertical scroll bar where the model asks for one.
// The model keeps line ends as CR LF; the widget shows them as line breaks.
class TextEditPeer : public QPlainTextEdit, public QtPeer, public TextInput {
 public:
  TextEditPeer(FormWindow& window, TextBox& box, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  std::pair<int, int> widgetSelection() const override;
  bool singleLine() const override { return false; }
  TextBox* textBox() const override { return static_cast<TextBox*>(control_); }

 private:
  void showSelection(const TextBox& box);

  FormWindow& window_;
};

// Positions in the model's text (CR LF line ends) and in the widget's (one break character).
int widgetPosition(const std::string& modelText, int modelPosition);
int modelPosition(const std::string& modelText, int widgetPosition);

}  // namespace slumbrix
