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

bool Menu::inPopup() const {
  const Control* topLevel = this;
  while (topLevel->container() != nullptr && topLevel->container()->kind() == ControlKind::Menu)
    topLevel = topLevel->container();
  return !topLevel->Visible();
}

bool Menu::click() {
  const Form* owner = form();
  if (!Enabled() || isSeparator() || owner == nullptr || !owner->isLoaded()) return false;
  if (!owner->takesInput() && !inPopup()) return false;
  if (Click) Click();
  return true;
}

}  // namespace slumbrix
