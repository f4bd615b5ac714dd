#include "ui/menu.h"

#include "ui/form.h"

namespace slumbrix {

void Menu::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

std::vector<Menu*> Menu::items() const {
  std::vector<Menu*> out;
  const Form* owner = form();
  if (owner == nullptr) return out;
  for (Control* c : owner->controls())
    if (c->kind() == ControlKind::Menu && c->container() == this)
      out.push_back(static_cast<Menu*>(c));
  return out;
}

bool Menu::click() {
  const Form* owner = form();
  if (!Enabled() || owner == nullptr || !owner->takesInput()) return false;
  if (Click) Click();
  return true;
}

}  // namespace slumbrix
