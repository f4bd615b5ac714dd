#pragma once

#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace slumbrix::test {

inline const char* propertyName(Property property) {
  switch (property) {
    case Property::Caption:
      return "Caption";
    case Property::Text:
      return "Text";
    case Property::Value:
      return "Value";
    case Property::Enabled:
      return "Enabled";
    case Property::Visible:
      return "Visible";
    case Property::Bounds:
      return "Bounds";
    case Property::Range:
      return "Range";
    case Property::MaxLength:
      return "MaxLength";
    case Property::Locked:
      return "Locked";
    case Property::List:
      return "List";
    case Property::ListIndex:
      return "ListIndex";
    case Property::Interval:
      return "Interval";
    case Property::Drawing:
      return "Drawing";
    case Property::Selection:
      return "Selection";
    case Property::Announcement:
      return "Announcement";
  }
  return "?";
}

// A peer that writes down what it is told, as "txtA.Text=12". For texts and values it adds
// what it reads back from the control at that moment, so a report that comes before the
// state has changed shows up as a wrong value.
class RecordingPeer : public ControlPeer {
 public:
  std::vector<std::string> log;

  void attach(Control& control) { control.setPeer(this); }

  void propertyChanged(Control& control, Property property) override {
    log.push_back(control.displayName() + "." + propertyName(property) +
                  readBack(control, property));
  }

 private:
  static std::string readBack(Control& control, Property property) {
    if (property == Property::Text && control.kind() == ControlKind::TextBox)
      return "=" + static_cast<TextBox&>(control).Text();
    if (property != Property::Value) return "";
    switch (control.kind()) {
      case ControlKind::VScrollBar:
        return "=" + std::to_string(static_cast<VScrollBar&>(control).Value());
      case ControlKind::CheckBox:
        return "=" + std::to_string(static_cast<CheckBox&>(control).Value());
      case ControlKind::OptionButton:
        return static_cast<OptionButton&>(control).Value() ? "=on" : "=off";
      default:
        return "";
    }
  }
};

}  // namespace slumbrix::test
