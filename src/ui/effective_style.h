#pragma once

#include <optional>

#include "ui/appearance.h"

namespace slumbrix {

class Control;

// The font a control is drawn in. A control that names a face has its own font. One that
// names none takes its form's: the whole font when its own is the untouched default (a control
// placed on a form starts out with the form's font), else the form's face at the control's own
// size and weight. An empty name in the result means the window system's default face.
Font effectiveFont(const Control& control);

// The colour a control is painted on: its own back colour; for any control but a text field or
// a drop-down list, which show a field of their own, else the colour of its container, up to
// the form. Unset: the system's colour (the window colour for a field, the face colour else).
std::optional<Color> effectiveBackColor(const Control& control);

}  // namespace slumbrix
