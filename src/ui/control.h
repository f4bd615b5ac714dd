#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/accessible_role.h"
#include "ui/appearance.h"

namespace slumbrix {

class Form;
class Control;
class VScrollBar;

// How a screen reader sees a control beyond its kind and caption (ui/accessible.h). The form
// sets these with its design-time values.
struct Accessibility {
  // The control whose caption names this one (the label or option before a field).
  const Control* labelledBy = nullptr;
  // A role other than the one of the control's kind.
  std::optional<AccessibleRole> role;
  // A text field's arrows: the field and the arrows are one spin button. Set on both.
  VScrollBar* spinArrows = nullptr;
  const Control* spinField = nullptr;
};

enum class ControlKind {
  Form,
  Frame,
  PictureBox,
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  ComboBox,
  VScrollBar,
  Timer,
  Menu,
};

// The property a peer is told about when it changed.
enum class Property {
  Caption,
  Text,
  Value,
  Enabled,
  Visible,
  Bounds,
  Range,
  MaxLength,
  Locked,
  List,
  ListIndex,
  Interval,
  Drawing,
  Selection,
  // Not a property: a label that tells of its changes has a new caption to announce.
  Announcement,
};

// The real widget (or timer) behind a control. The model reports every property change to it;
// it reads the new state from the control.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void propertyChanged(Control& control, Property property) = 0;
};

// The common part of every control: identity, container, layout, appearance, and the
// Enabled and Visible states.
class Control {
 public:
  Control(ControlKind kind, std::string name, int index = -1);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // Element number within a control array, -1 for a single control.
  int index() const { return index_; }
  // "opt(1)" for array elements, else the name.
  std::string displayName() const;

  Control* container() const { return container_; }
  void setContainer(Control* container) { container_ = container; }
  // The form this control belongs to (itself for a form).
  Form* form();
  const Form* form() const;

  const Rect& bounds() const { return bounds_; }
  void setBounds(Rect bounds);
  int tabIndex = 0;
  bool tabStop = true;
  Font font;
  std::optional<Color> foreColor;  // unset: the system's default
  std::optional<Color> backColor;
  Alignment alignment = Alignment::Left;
  BorderStyle borderStyle = BorderStyle::None;
  bool autoSize = false;
  std::string toolTipText;
  Accessibility accessibility;

  bool Enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void setVisible(bool visible);

  // True when user input can reach this control: it and each container up to the form are
  // enabled and visible, and the form takes input (no modal window of its own is open).
  bool isUsable() const;

  void setPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* peer() const { return peer_; }

 protected:
  void notify(Property property);

 private:
  ControlKind kind_;
  std::string name_;
  int index_;
  Control* container_ = nullptr;
  Rect bounds_;
  bool enabled_ = true;
  bool visible_ = true;
  ControlPeer* peer_ = nullptr;
};

// A captioned group box that contains controls.
class Frame : public Control {
 public:
  explicit Frame(std::string name) : Control(ControlKind::Frame, std::move(name)) {}
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);

 private:
  std::string caption_;
};

// A static text. A status line (announcesChanges) tells a screen reader of each new caption
// as it is set; setCaptionQuietly changes it without that, for a value that a reader looks up
// when it wants to (a countdown's every second).
class Label : public Control {
 public:
  explicit Label(std::string name, int index = -1)
      : Control(ControlKind::Label, std::move(name), index) {}
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  void setCaptionQuietly(std::string caption);
  bool announcesChanges = false;

 private:
  std::string caption_;
};

}  // namespace slumbrix
