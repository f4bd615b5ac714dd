#pragma once

// The keyboard of the native window system. Windows-only header.

#include <windows.h>

#include "ui/keys.h"

namespace slumbrix::win32 {

// The modifier keys held down now, as the message being handled found them.
unsigned heldModifiers();

// The one table from virtual-key codes to the program's keys, with the modifiers held down.
KeyStroke keyStrokeOf(WPARAM virtualKey);

}  // namespace slumbrix::win32
