#pragma once

#include "frontend/qt/control_accessible.h"

namespace slumbrix {

// A status line: a control whose text a reader can read like any other, and whose
// announcements (ui: Label::announcesChanges) arrive as the replacement of that text, the
// event a screen reader follows in a live status; the quiet changes (a countdown's seconds)
// only rename it. Qt before 6.8 has no announcement event of its own.
class StatusLineAccessible : public ControlAccessible, public QAccessibleTextInterface {
 public:
  StatusLineAccessible(QWidget* widget, QtPeer& peer);
  void* interface_cast(QAccessible::InterfaceType t) override;

  // The caption changed (quietly or not): what the line showed before is kept for the next
  // announcement, which replaces it.
  void captionChanged();
  // Sends the announcement of the present text.
  void announce();

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;
  using ControlAccessible::text;

 private:
  QString current() const;

  QString previous_;
  QString shown_;
};

}  // namespace slumbrix
