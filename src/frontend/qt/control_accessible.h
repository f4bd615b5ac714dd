#pragma once

#include <QAccessibleWidget>

#include "ui/control.h"

class QWidget;

namespace slumbrix {

class QtPeer;

// The accessibility interface of a control's widget, read from the control model: role,
// name, value and relations from ui/accessible.h, and every action a screen reader takes
// (press, toggle, select, set a value, step) done through the model's input calls, never by
// the widget on its own. A free text field keeps Qt's own interface (its text), named from
// the model.
class ControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  ControlAccessible(QWidget* widget, QtPeer& peer);

  QAccessible::Role role() const override;
  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

 private:
  // The control, null once the widget is cut from it.
  Control* control() const;
  QList<QAccessibleInterface*> shownChildren() const;

  QtPeer& peer_;
};

// Lets the widgets of controls be presented through ControlAccessible; once, before the
// first window is built.
void installControlAccessibility();

// Tells a screen reader what a property change of a control means for it: a new value of a
// spin button or a level, or a status line's announcement.
void reportAccessibleChange(QWidget& widget, Control& control, Property property);

}  // namespace slumbrix
