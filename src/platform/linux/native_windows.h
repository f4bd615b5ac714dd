#pragma once

#include <QIcon>

#include "platform/platform.h"

class QWidget;

namespace slumbrix {

// What the Linux platform needs of the front end's windows: the real window behind a window
// handle and the picture behind an icon handle. Implemented by the Qt window system.
class NativeWindows {
 public:
  virtual ~NativeWindows() = default;
  // The window with this handle; null when there is none.
  virtual QWidget* nativeWindow(Handle window) const = 0;
  // The icon with this handle; a null icon when there is none.
  virtual QIcon nativeIcon(Handle icon) const = 0;
};

}  // namespace slumbrix
