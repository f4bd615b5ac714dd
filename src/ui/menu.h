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

  // A separator line between items: the caption "-". It is never chosen.
  bool isSeparator() const { return caption_ == "-"; }

  // The items of this menu, in order.
  std::vector<Menu*> items() const;

  // True for a pop-up menu and its items: a top-level menu kept off the menu bar (hidden),
  // which the program opens itself.
  bool inPopup() const;

  std::function<void()> Click;
  // User input: the item is chosen. An item of the menu bar is the window's own input and is
  // refused while a modal window of the form is open; an item of a pop-up menu (a hidden
  // menu, opened by the program from a notification-area icon) is taken also then. A
  // separator is refused.
  bool click();

 private:
  std::string caption_;
};

}  // namespace slumbrix
