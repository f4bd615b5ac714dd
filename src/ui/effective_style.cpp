#include "ui/effective_style.h"

#include "ui/control.h"
#include "ui/form.h"

namespace slumbrix {

Font effectiveFont(const Control& control) {
  if (!control.font.name.empty()) return control.font;
  const Form* owner = control.form();
  if (owner == nullptr || owner->font.name.empty()) return control.font;
  if (control.font == Font{}) return owner->font;
  Font font = control.font;
  font.name = owner->font.name;
  return font;
}

std::optional<Color> effectiveBackColor(const Control& control) {
  if (control.backColor || control.kind() == ControlKind::TextBox ||
      control.kind() == ControlKind::ComboBox)
    return control.backColor;
  for (const Control* c = control.container(); c != nullptr; c = c->container())
    if (c->backColor) return c->backColor;
  return std::nullopt;
}

}  // namespace slumbrix
