#include "frontend/qt/status_line_accessible.h"

#include <QWidget>

#include <algorithm>

namespace slumbrix {

StatusLineAccessible::StatusLineAccessible(QWidget* widget, QtPeer& peer)
    : ControlAccessible(widget, peer), previous_(current()), shown_(previous_) {}

QString StatusLineAccessible::current() const {
  return ControlAccessible::text(QAccessible::Name);
}

void* StatusLineAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return ControlAccessible::interface_cast(t);
}

void StatusLineAccessible::captionChanged() {
  previous_ = shown_;
  shown_ = current();
}

void StatusLineAccessible::announce() {
  QAccessibleTextUpdateEvent event(this, 0, previous_, shown_);
  QAccessible::updateAccessibility(&event);
}

void StatusLineAccessible::selection(int /*selectionIndex*/, int* startOffset,
                                     int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

QString StatusLineAccessible::text(int startOffset, int endOffset) const {
  const QString all = current();
  startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
  endOffset = endOffset < 0 ? static_cast<int>(all.size())
                            : std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
  return all.mid(startOffset, endOffset - startOffset);
}

int StatusLineAccessible::characterCount() const {
  return static_cast<int>(current().size());
}

QRect StatusLineAccessible::characterRect(int /*offset*/) const {
  // The line is drawn centred in its font; the whole line stands for each character.
  return rect();
}

int StatusLineAccessible::offsetAtPoint(const QPoint& point) const {
  return rect().contains(point) ? 0 : -1;
}

QString StatusLineAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}

}  // namespace slumbrix
