#include "ui/buttons.h"

#include <algorithm>

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

std::vector<OptionButton*> OptionButton::group() const {
  std::vector<OptionButton*> members;
  const Form* owner = form();
  if (owner == nullptr) return members;
  for (Control* c : owner->controls())
    if (c->kind() == ControlKind::OptionButton && c->container() == container())
      members.push_back(static_cast<OptionButton*>(c));
  std::stable_sort(members.begin(), members.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  return members;
}

bool OptionButton::isGroupTabStop() const {
  const std::vector<OptionButton*> members = group();
  const auto reachable = [](const OptionButton* b) { return b->tabStop && b->isUsable(); };
  for (const OptionButton* b : members)
    if (b->value_ && reachable(b)) return b == this;
  for (const OptionButton* b : members)
    if (reachable(b)) return b == this;
  return false;
}

OptionButton* OptionButton::neighbour(bool forward) {
  const std::vector<OptionButton*> members = group();
  const auto count = static_cast<std::ptrdiff_t>(members.size());
  const std::ptrdiff_t at = std::find(members.begin(), members.end(), this) - members.begin();
  for (std::ptrdiff_t step = 1; step < count; ++step) {
    const std::ptrdiff_t i = (at + (forward ? step : count - step)) % count;
    OptionButton* candidate = members[static_cast<std::size_t>(i)];
    if (candidate->isUsable()) return candidate;
  }
  return this;
}

bool OptionButton::click() {
  if (!isUsable()) return false;
  setValue(true);
  return true;
}

}  // namespace slumbrix
