#pragma once

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QString>

#include "ui/control.h"

class QWidget;

namespace slumbrix {

// Fonts the program names that Linux desktops lack, and what stands in for them: the
// metric-compatible Liberation families first.
void installFontSubstitutions();

// The font of whatever the program shows without a font of its own (menus, message boxes,
// tooltips): the face and size of its windows, so that a run loads the one family they use.
QFont defaultFont();

// The control's effective font (ui/effective_style.h); the default face where it names none.
QFont fontOf(const Control& control);

// Applies the control's colours: the text colour to `text` and the effective back colour to
// `background` (which the widget paints when the colour is its own). Unset colours keep the
// system's.
void applyColors(QWidget& widget, const Control& control, QPalette::ColorRole text,
                 QPalette::ColorRole background);

// The model's horizontal alignment of a text as Qt's.
Qt::Alignment horizontalAlignment(Alignment alignment);

inline QColor toQColor(Color color) {
  return QColor(color.red, color.green, color.blue);
}

// A picture of the program's resources by name ("slumbrix", "about", "logo"), or a file by
// its absolute path; a null pixmap when there is none.
QPixmap pictureByName(const QString& name);
QIcon iconByName(const QString& name);

}  // namespace slumbrix
