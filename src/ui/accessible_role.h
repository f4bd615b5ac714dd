#pragma once

namespace slumbrix {

// What a screen reader is told a control is. Each front end maps these to the roles of its
// own accessibility interface (AT-SPI through Qt, MSAA on Windows).
enum class AccessibleRole {
  None,        // not presented: timers, menus, the arrows that belong to a number field
  Frame,       // a main window
  Dialog,      // a window that holds a message or a question
  Grouping,    // a frame: its caption names the controls it groups
  Pane,        // a picture box used as a container or a drawing
  Graphic,     // a picture box that shows a picture
  Label,       // a static text
  StatusLine,  // a static text that tells of its changes as they happen
  Text,        // a text field
  SpinButton,  // a number field with its arrows: one control with a value
  PushButton,
  CheckBox,
  RadioButton,
  ComboBox,
  Level,  // a meter: a percentage from 0 to 100
};

}  // namespace slumbrix
