#include "ui/buttons.h"

#include "ui/form.h"

namespace slumbrix {

void CommandButton::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

bool CommandButton::click() {
  if (!isUsable()) return false;
  if (Click) Click();
  return true;
}

void CheckBox::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void CheckBox::setValue(std::int16_t value) {
  if (value_ == value) return;
  value_ = value;
  notify(Property::Value);
  if (Click) Click();
}

bool CheckBox::click() {
  if (!isUsable()) return false;
  setValue(value_ == 0 ? 1 : 0);
  return true;
}

void OptionButton::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void OptionButton::clearGroup() {
  Form* owner = form();
  if (owner == nullptr) return;
  for (Control* c : owner->controls()) {
    if (c == this || c->kind() != ControlKind::OptionButton || c->container() != container())
      continue;
    auto* other = static_cast<OptionButton*>(c);
    if (other->value_) {
      other->value_ = false;
      other->notify(Property::Value);
    }
  }
}

void OptionButton::setValue(bool value) {
  if (value_ == value) return;
  if (value) clearGroup();
  value_ = value;
  notify(Property::Value);
  if (value && Click) Click();
}

bool OptionButton::click() {
  if (!isUsable()) return false;
  setValue(true);
  return true;
}

}  // namespace slumbrix
