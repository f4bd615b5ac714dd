#include "frontend/qt/widget_peer.h"

#include "frontend/qt/appearance_qt.h"
#include "frontend/qt/qt_text.h"
#include "ui/accessible.h"

namespace slumbrix {

bool applyCommon(FormWindow& window, QWidget& widget, Control& control, Property property) {
  switch (property) {
    case Property::Bounds:
      widget.setGeometry(window.pixelRect(control));
      return true;
    case Property::Enabled:
      widget.setEnabled(control.Enabled());
      return true;
    case Property::Visible:
      widget.setVisible(control.Visible());
      return true;
    default:
      return false;
  }
}

void initializeWidget(FormWindow& window, QWidget& widget, ControlPeer& peer, Control& control,
                      std::initializer_list<Property> own) {
  if (const Form* form = window.form()) widget.setFont(fontOf(control, *form));
  if (!control.toolTipText.empty()) widget.setToolTip(fromAnsi(control.toolTipText));
  // A free text field keeps Qt's own accessibility interface; the model names it.
  if (accessibleRole(control) == AccessibleRole::Text)
    widget.setAccessibleName(fromAnsi(accessibleName(control)));
  for (Property property : {Property::Bounds, Property::Enabled})
    applyCommon(window, widget, control, property);
  for (Property property : own) peer.propertyChanged(control, property);
  widget.setVisible(control.Visible());
}

}  // namespace slumbrix
