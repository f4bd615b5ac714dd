#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace slumbrix {

// A menu or menu item. Top-level menus have the form as container and sit on the menu bar
// while Visible; items have their menu as container.
class Menu : public Control {
 public:
  explicit Menu(std::string name) : Control(ControlKind::Menu, std::move(name)) {}
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string caption);

  // The items of this menu, in order.
  std::vector<Menu*> items() const;

  std::function<void()> Click;
  // User input. An item of a hidden menu can still be chosen when that menu pops up.
  bool click();

 private:
  std::string caption_;
};

}  // namespace slumbrix
