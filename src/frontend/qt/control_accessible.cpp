#include "frontend/qt/control_accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QWidget>

#include "frontend/qt/qt_peer.h"
#include "frontend/qt/qt_text.h"
#include "frontend/qt/status_line_accessible.h"
#include "ui/accessible.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace slumbrix {
namespace {

QAccessible::Role qtRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::None:
      return QAccessible::NoRole;
    case AccessibleRole::Frame:
      return QAccessible::Window;  // a top-level "frame" to AT-SPI and MSAA
    case AccessibleRole::Dialog:
      return QAccessible::Dialog;
    case AccessibleRole::Grouping:
      return QAccessible::Grouping;
    case AccessibleRole::Pane:
      return QAccessible::Client;
    case AccessibleRole::Graphic:
      return QAccessible::Graphic;
    case AccessibleRole::Label:
      return QAccessible::StaticText;
    case AccessibleRole::StatusLine:
      return QAccessible::StatusBar;
    case AccessibleRole::Text:
      return QAccessible::EditableText;
    case AccessibleRole::SpinButton:
      return QAccessible::SpinBox;
    case AccessibleRole::PushButton:
      return QAccessible::Button;
    case AccessibleRole::CheckBox:
      return QAccessible::CheckBox;
    case AccessibleRole::RadioButton:
      return QAccessible::RadioButton;
    case AccessibleRole::ComboBox:
      return QAccessible::ComboBox;
    case AccessibleRole::Level:
      return QAccessible::ProgressBar;
  }
  return QAccessible::NoRole;
}

QWidget* widgetOf(const Control* control) {
  return control == nullptr ? nullptr : dynamic_cast<QWidget*>(control->peer());
}

// The arrows of a spin button, whichever of its two controls is given.
VScrollBar* arrowsOf(Control& control) {
  if (control.kind() == ControlKind::VScrollBar) return static_cast<VScrollBar*>(&control);
  return control.accessibility.spinArrows;
}

QAccessibleInterface* controlAccessibleFactory(const QString& /*className*/, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  auto* peer = dynamic_cast<QtPeer*>(object);
  if (widget == nullptr || peer == nullptr || peer->control() == nullptr) return nullptr;
  const AccessibleRole role = accessibleRole(*peer->control());
  // Qt's own interface presents a free field's text; the model names it (widget_peer.cpp).
  if (role == AccessibleRole::Text) return nullptr;
  if (role == AccessibleRole::StatusLine) return new StatusLineAccessible(widget, *peer);
  return new ControlAccessible(widget, *peer);
}

}  // namespace

ControlAccessible::ControlAccessible(QWidget* widget, QtPeer& peer)
    : QAccessibleWidget(widget), peer_(peer) {}

Control* ControlAccessible::control() const {
  return peer_.control();
}

QAccessible::Role ControlAccessible::role() const {
  const Control* c = control();
  return c == nullptr ? QAccessibleWidget::role() : qtRole(accessibleRole(*c));
}

QString ControlAccessible::text(QAccessible::Text t) const {
  const Control* c = control();
  if (c == nullptr) return QAccessibleWidget::text(t);
  switch (t) {
    case QAccessible::Name:
      return fromAnsi(accessibleName(*c));
    case QAccessible::Value:
      if (const auto value = accessibleValue(*c)) return QString::number(value->value);
      if (auto* combo = qobject_cast<QComboBox*>(widget())) return combo->currentText();
      return {};
    default:
      return QAccessibleWidget::text(t);
  }
}

QAccessible::State ControlAccessible::state() const {
  QAccessible::State st = QAccessibleWidget::state();
  const Control* c = control();
  if (c == nullptr) return st;
  switch (accessibleRole(*c)) {
    case AccessibleRole::CheckBox:
      st.checkable = true;
      st.checked = static_cast<const CheckBox*>(c)->Value() != 0;
      break;
    case AccessibleRole::RadioButton:
      st.checkable = true;
      st.checked = static_cast<const OptionButton*>(c)->Value();
      break;
    case AccessibleRole::Level:
    case AccessibleRole::StatusLine:
      st.readOnly = true;
      break;
    case AccessibleRole::SpinButton:
      // A read-only field (the threshold) changes by its arrows alone.
      st.readOnly = c->kind() != ControlKind::TextBox || static_cast<const TextBox*>(c)->Locked();
      st.editable = !st.readOnly;
      break;
    default:
      break;
  }
  // What the model cannot use (a disabled frame around it) is unavailable to a reader too.
  if (!c->isUsable() && c->kind() != ControlKind::Form) st.disabled = true;
  return st;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> ControlAccessible::relations(
    QAccessible::Relation match) const {
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found;
  const Control* c = control();
  if (c == nullptr) return found;
  const auto add = [&](const Control* other, QAccessible::Relation relation) {
    if (!(match & relation)) return;
    if (QWidget* w = widgetOf(other))
      if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w))
        found.append({iface, relation});
  };
  // Qt says how the other object relates to this one: Label, it labels this one.
  add(c->accessibility.labelledBy, QAccessible::Label);
  if (const Form* form = c->form())
    for (const Control* other : form->controls())
      if (other->accessibility.labelledBy == c) add(other, QAccessible::Labelled);
  return found;
}

QList<QAccessibleInterface*> ControlAccessible::shownChildren() const {
  // A list's one child is its items' view, which lives in the pop-up window.
  if (auto* combo = qobject_cast<QComboBox*>(widget())) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(combo->view());
    return view == nullptr ? QList<QAccessibleInterface*>() : QList<QAccessibleInterface*>{view};
  }
  // Arrows that belong to a field are presented as part of it, not beside it.
  QList<QAccessibleInterface*> shown;
  for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
    QAccessibleInterface* child = QAccessibleWidget::child(i);
    if (child != nullptr && child->role() != QAccessible::NoRole) shown.append(child);
  }
  return shown;
}

int ControlAccessible::childCount() const {
  return static_cast<int>(shownChildren().size());
}

QAccessibleInterface* ControlAccessible::child(int index) const {
  const QList<QAccessibleInterface*> shown = shownChildren();
  return index >= 0 && index < shown.size() ? shown.at(index) : nullptr;
}

int ControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
  return static_cast<int>(shownChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType t) {
  const Control* c = control();
  if (t == QAccessible::ValueInterface && c != nullptr) {
    const AccessibleRole role = accessibleRole(*c);
    if (role == AccessibleRole::SpinButton || role == AccessibleRole::Level)
      return static_cast<QAccessibleValueInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(t);
}

QStringList ControlAccessible::actionNames() const {
  const Control* c = control();
  if (c == nullptr) return {};
  QStringList names;
  switch (accessibleRole(*c)) {
    case AccessibleRole::PushButton:
      names << pressAction();
      break;
    case AccessibleRole::CheckBox:
    case AccessibleRole::RadioButton:
      names << pressAction() << toggleAction();
      break;
    case AccessibleRole::Graphic:
    case AccessibleRole::Pane:
      if (static_cast<const PictureBox*>(c)->Click) names << pressAction();
      break;
    case AccessibleRole::SpinButton:
      names << increaseAction() << decreaseAction();
      break;
    case AccessibleRole::ComboBox:
      names << showMenuAction() << pressAction();
      break;
    default:
      break;
  }
  if (widget()->focusPolicy() != Qt::NoFocus && c->kind() != ControlKind::Form)
    names << setFocusAction();
  return names;
}

void ControlAccessible::doAction(const QString& actionName) {
  Control* c = control();
  if (c == nullptr) return;
  if (auto* combo = qobject_cast<QComboBox*>(widget())) {
    // Opening the list is all a reader does to it; the choice comes back through the list's
    // own keys and clicks, which reach the model as choose().
    if ((actionName == pressAction() || actionName == showMenuAction()) && c->isUsable())
      combo->showPopup();
    else if (actionName == setFocusAction() && c->isUsable())
      widget()->setFocus(Qt::OtherFocusReason);
  } else if (actionName == pressAction() || actionName == toggleAction()) {
    (void)accessibleActivate(*c);  // a refusal leaves the control as the model keeps it
  } else if (actionName == increaseAction() || actionName == decreaseAction()) {
    if (const auto value = accessibleValue(*c))
      (void)accessibleSetValue(*c, value->value + (actionName == increaseAction() ? 1 : -1));
  } else if (actionName == setFocusAction()) {
    if (c->isUsable()) widget()->setFocus(Qt::OtherFocusReason);
  }
}

QVariant ControlAccessible::currentValue() const {
  const Control* c = control();
  const auto value = c == nullptr ? std::nullopt : accessibleValue(*c);
  return value ? QVariant(value->value) : QVariant();
}

void ControlAccessible::setCurrentValue(const QVariant& value) {
  Control* c = control();
  bool ok = false;
  const int wanted = value.toInt(&ok);
  if (c != nullptr && ok && accessibleRole(*c) == AccessibleRole::SpinButton)
    (void)accessibleSetValue(*c, wanted);  // refused when the field takes no input
}

QVariant ControlAccessible::maximumValue() const {
  const Control* c = control();
  const auto value = c == nullptr ? std::nullopt : accessibleValue(*c);
  return value ? QVariant(value->maximum) : QVariant();
}

QVariant ControlAccessible::minimumValue() const {
  const Control* c = control();
  const auto value = c == nullptr ? std::nullopt : accessibleValue(*c);
  return value ? QVariant(value->minimum) : QVariant();
}

QVariant ControlAccessible::minimumStepSize() const {
  return 1;
}

void installControlAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(controlAccessibleFactory);
}

void reportAccessibleChange(QWidget& widget, Control& control, Property property) {
  if (!QAccessible::isActive()) return;
  const AccessibleRole role = accessibleRole(control);
  if (role == AccessibleRole::StatusLine) {
    auto* line =
        dynamic_cast<StatusLineAccessible*>(QAccessible::queryAccessibleInterface(&widget));
    if (line != nullptr && property == Property::Caption) line->captionChanged();
    if (line != nullptr && property == Property::Announcement) line->announce();
    return;
  }
  // A spin button's value lives in its arrows; the field presents it.
  QWidget* presenter = &widget;
  const Control* shown = &control;
  if (role == AccessibleRole::None && control.accessibility.spinField != nullptr) {
    shown = control.accessibility.spinField;
    presenter = widgetOf(shown);
  }
  const bool valueChange = (property == Property::Value && arrowsOf(control) != nullptr) ||
                           (property == Property::Caption && role == AccessibleRole::Level);
  if (presenter == nullptr || !valueChange) return;
  if (const auto value = accessibleValue(*shown)) {
    QAccessibleValueChangeEvent event(presenter, value->value);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace slumbrix
