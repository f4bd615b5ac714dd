#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace slumbrix {

// A push button. Click runs when the user presses it.
class CommandButton : public Control {
 public:
  explicit CommandButton(std::string name, int index = -1)
      : Control(ControlKind::CommandButton, std::move(name), index) {}
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  bool isDefault = false;
  bool isCancel = false;

  std::function<void()> Click;
  bool click();  // user input; false when the button is not usable

 private:
  std::string caption_;
};

// A check box; Value is 0 (clear) or 1 (ticked). Any change of Value runs Click.
class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name) : Control(ControlKind::CheckBox, std::move(name)) {}
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  std::int16_t Value() const { return value_; }
  void setValue(std::int16_t value);

  std::function<void()> Click;
  bool click();  // user input: toggles the value

 private:
  std::string caption_;
  std::int16_t value_ = 0;
};

// An option button. The option buttons of one container are one exclusive group: selecting
// one clears the others and runs its Click.
class OptionButton : public Control {
 public:
  explicit OptionButton(std::string name, int index = -1)
      : Control(ControlKind::OptionButton, std::move(name), index) {}
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);
  bool Value() const { return value_; }
  // Setting true selects this button (clearing its group) and runs Click when it was not
  // selected; setting false only clears it.
  void setValue(bool value);

  std::function<void()> Click;
  bool click();  // user input

  // The option buttons of this one's group (its container), in tab order.
  std::vector<OptionButton*> group() const;
  // Whether this button is the group's stop in the tab order: the selected one, or the first
  // in tab order while none that can take the focus is selected.
  bool isGroupTabStop() const;
  // The next (or previous) option of the group that the user can reach, in tab order and
  // round from the last to the first; this button itself when there is no other.
  OptionButton* neighbour(bool forward);

 private:
  void clearGroup();

  std::string caption_;
  bool value_ = false;
};

}  // namespace slumbrix
