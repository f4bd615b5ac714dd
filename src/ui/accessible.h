#pragma once

#include <optional>
#include <string>

#include "ui/accessible_role.h"
#include "ui/control.h"

namespace slumbrix {

class TextBox;

// A screen reader's view of a control, worked out once here for both front ends: its role,
// its name and, for a spin button or a level, its value. A control is named by its own
// caption, or else by the caption of the control that labels it (Accessibility::labelledBy).
AccessibleRole accessibleRole(const Control& control);
std::string accessibleName(const Control& control);

struct AccessibleValue {
  int value = 0;
  int minimum = 0;
  int maximum = 0;
  friend bool operator==(const AccessibleValue&, const AccessibleValue&) = default;
};
// The value of a spin button (its arrows' value and range, smaller end first) or of a level
// (the number it shows, from 0 to 100); empty for other roles and for a level showing no
// number.
std::optional<AccessibleValue> accessibleValue(const Control& control);

// Makes a text field and the arrows beside it one spin button named by `label`.
void joinSpinButton(TextBox& field, VScrollBar& arrows, const Control* label);

// The input of a screen reader, through the same calls as the mouse and the keys.
//
// The default action: a button's press, a check box's toggle, an option's selection, each
// its click(). False when the control refused it or has no such action.
bool accessibleActivate(Control& control);
// Sets a spin button's value as the arrows would: one arrow step at a time toward `value`
// (brought into the range), each through the model. False when not one step could be taken.
bool accessibleSetValue(Control& control, int value);

}  // namespace slumbrix
