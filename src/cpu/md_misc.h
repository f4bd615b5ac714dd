#pragma once

#include "platform/platform.h"
#include "ui/vb_types.h"

namespace slumbrix::mdMisc {

// True (-1) when the running Windows belongs to the NT family, which decides the CPU usage
// provider. A failed version query answers false.
VbBool IsWindowsNT(Platform& platform);

}  // namespace slumbrix::mdMisc
