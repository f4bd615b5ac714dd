#include "ui/control.h"

#include "ui/form.h"

namespace slumbrix {

Control::Control(ControlKind kind, std::string name, int index)
    : kind_(kind), name_(std::move(name)), index_(index) {}

std::string Control::displayName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

Form* Control::form() {
  Control* c = this;
  while (c->container_ != nullptr) c = c->container_;
  return c->kind_ == ControlKind::Form ? static_cast<Form*>(c) : nullptr;
}

const Form* Control::form() const {
  return const_cast<Control*>(this)->form();
}

void Control::setBounds(Rect bounds) {
  bounds_ = bounds;
  notify(Property::Bounds);
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  notify(Property::Visible);
}

bool Control::isUsable() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (c->kind_ == ControlKind::Form) return static_cast<const Form*>(c)->takesInput();
    if (!c->enabled_ || !c->visible_) return false;
  }
  return false;
}

void Control::notify(Property property) {
  if (peer_ != nullptr) peer_->propertyChanged(*this, property);
}

void Frame::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void Label::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
  if (announcesChanges) notify(Property::Announcement);
}

void Label::setCaptionQuietly(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

}  // namespace slumbrix
