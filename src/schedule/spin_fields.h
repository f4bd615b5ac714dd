#pragma once

#include <cstdint>

#include "ui/scroll_bar.h"
#include "ui/text_box.h"
#include "ui/vb_types.h"

namespace slumbrix {

// True (-1) for the character codes of "0" to "9", false (0) for every other code.
VbBool IsDigitKey(std::int16_t keyAscii);

// Discards every character but a digit.
void FilterDigitKey(std::int16_t& keyAscii);

// After a text change of a field with a spin button: a text reading above the spin's upper
// bound (its Min) becomes that bound, one below the lower bound (its Max) becomes that, and
// the spin value follows the reading rounded half to even.
void ClampSpinText(TextBox& text, VScrollBar& spin);

}  // namespace slumbrix
