#pragma once

#include <QWidget>

#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_peer.h"

namespace slumbrix {

// Applies what every control widget shares: position and size, Enabled, Visible, tooltip and
// font. Returns true when the property was one of these.
bool applyCommon(FormWindow& window, QWidget& widget, Control& control, Property property);

// Sets up a new widget from its control: the common properties and then every property in
// `own`, as if each had just changed.
void initializeWidget(FormWindow& window, QWidget& widget, ControlPeer& peer, Control& control,
                      std::initializer_list<Property> own);

}  // namespace slumbrix
