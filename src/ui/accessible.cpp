#include "ui/accessible.h"

#include <algorithm>
#include <cstdlib>

#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace slumbrix {
namespace {

AccessibleRole roleOfKind(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Form:
      return AccessibleRole::Frame;
    case ControlKind::Frame:
      return AccessibleRole::Grouping;
    case ControlKind::PictureBox:
      return static_cast<const PictureBox&>(control).picture.empty() ? AccessibleRole::Pane
                                                                     : AccessibleRole::Graphic;
    case ControlKind::Label:
      return static_cast<const Label&>(control).announcesChanges ? AccessibleRole::StatusLine
                                                                 : AccessibleRole::Label;
    case ControlKind::TextBox:
      return control.accessibility.spinArrows != nullptr ? AccessibleRole::SpinButton
                                                         : AccessibleRole::Text;
    case ControlKind::CommandButton:
      return AccessibleRole::PushButton;
    case ControlKind::CheckBox:
      return AccessibleRole::CheckBox;
    case ControlKind::OptionButton:
      return AccessibleRole::RadioButton;
    case ControlKind::ComboBox:
      return AccessibleRole::ComboBox;
    case ControlKind::VScrollBar:
      // Arrows beside a field are presented as part of it; alone they are a spin button.
      return control.accessibility.spinField != nullptr ? AccessibleRole::None
                                                        : AccessibleRole::SpinButton;
    case ControlKind::Timer:
    case ControlKind::Menu:
      return AccessibleRole::None;
  }
  return AccessibleRole::None;
}

// The caption a control shows, "" for kinds without one.
std::string captionOf(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Form:
      return static_cast<const Form&>(control).Caption();
    case ControlKind::Frame:
      return static_cast<const Frame&>(control).Caption();
    case ControlKind::Label:
      return static_cast<const Label&>(control).Caption();
    case ControlKind::CommandButton:
      return static_cast<const CommandButton&>(control).Caption();
    case ControlKind::CheckBox:
      return static_cast<const CheckBox&>(control).Caption();
    case ControlKind::OptionButton:
      return static_cast<const OptionButton&>(control).Caption();
    default:
      return "";
  }
}

// A caption without its access-key marker: "&File" reads "File", "&&" reads "&".
std::string withoutAccessKey(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

// The whole caption as a number from 0 to 100, or nothing.
std::optional<int> percentOf(const std::string& caption) {
  if (caption.empty() || caption.size() > 3) return std::nullopt;
  if (!std::all_of(caption.begin(), caption.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int value = std::atoi(caption.c_str());
  if (value > 100) return std::nullopt;
  return value;
}

}  // namespace

AccessibleRole accessibleRole(const Control& control) {
  if (control.accessibility.role) return *control.accessibility.role;
  return roleOfKind(control);
}

std::string accessibleName(const Control& control) {
  const AccessibleRole role = accessibleRole(control);
  // A level's caption is its value; its name comes from the label beside it.
  if (role != AccessibleRole::Level) {
    const std::string own = captionOf(control);
    if (!own.empty()) return withoutAccessKey(own);
  }
  if (control.accessibility.labelledBy != nullptr)
    return withoutAccessKey(captionOf(*control.accessibility.labelledBy));
  return "";
}

std::optional<AccessibleValue> accessibleValue(const Control& control) {
  const AccessibleRole role = accessibleRole(control);
  if (role == AccessibleRole::Level) {
    if (control.kind() != ControlKind::Label) return std::nullopt;
    const std::optional<int> percent = percentOf(static_cast<const Label&>(control).Caption());
    if (!percent) return std::nullopt;
    return AccessibleValue{*percent, 0, 100};
  }
  if (role != AccessibleRole::SpinButton) return std::nullopt;
  const VScrollBar* bar = control.kind() == ControlKind::VScrollBar
                              ? static_cast<const VScrollBar*>(&control)
                              : control.accessibility.spinArrows;
  if (bar == nullptr) return std::nullopt;
  return AccessibleValue{bar->Value(), std::min(bar->Min(), bar->Max()),
                         std::max(bar->Min(), bar->Max())};
}

void joinSpinButton(TextBox& field, VScrollBar& arrows, const Control* label) {
  field.accessibility.spinArrows = &arrows;
  field.accessibility.labelledBy = label;
  arrows.accessibility.spinField = &field;
}

bool accessibleActivate(Control& control) {
  switch (control.kind()) {
    case ControlKind::CommandButton:
      return static_cast<CommandButton&>(control).click();
    case ControlKind::CheckBox:
      return static_cast<CheckBox&>(control).click();
    case ControlKind::OptionButton:
      return static_cast<OptionButton&>(control).click();
    case ControlKind::PictureBox:
      return static_cast<PictureBox&>(control).click();
    default:
      return false;
  }
}

bool accessibleSetValue(Control& control, int value) {
  VScrollBar* bar = control.kind() == ControlKind::VScrollBar ? static_cast<VScrollBar*>(&control)
                                                              : control.accessibility.spinArrows;
  if (bar == nullptr || !control.isUsable()) return false;
  bool moved = false;
  // The up arrow moves toward Min, whichever end that is; a handler may move the value
  // itself, so each step looks again, and a step that changes nothing ends the walk.
  for (int steps = 0; steps < 65536 && bar->Value() != value; ++steps) {
    const std::int16_t before = bar->Value();
    const bool towardMin = bar->Min() <= bar->Max() ? value < before : value > before;
    if (!(towardMin ? bar->arrowUp() : bar->arrowDown()) || bar->Value() == before) break;
    moved = true;
  }
  return moved;
}

}  // namespace slumbrix
