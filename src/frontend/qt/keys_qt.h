#pragma once

#include <QObject>

#include "ui/keys.h"

class QKeyEvent;

namespace slumbrix {

// The one table from Qt's keys to the program's.
KeyStroke keyStrokeOf(const QKeyEvent& event);

// Hands every key pressed or let go in a form's window to the form before any widget sees it
// (Form::keyDown, Form::keyUp) and carries out the outcome: moves the focus, types the
// character into the focused field or the form, enters the menu bar, or lets the widget have
// the key. Installed on the application by the window system.
class KeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace slumbrix
