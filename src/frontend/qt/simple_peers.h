#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelection>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_peer.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"

namespace slumbrix {

// A label: its caption, alignment, colours and border; one that sizes itself to its text
// takes the size of the text from its top-left corner.
class LabelPeer : public QLabel, public QtPeer {
 public:
  LabelPeer(FormWindow& window, Label& label, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 private:
  FormWindow& window_;
};

// A frame: a group box with the caption in its border. It paints itself, a grooved border
// running through the middle of the caption, so that no style sheet, with the style engine,
// the parsed rules and the per-widget caches it brings along, is needed for that look.
class FramePeer : public QGroupBox, public QtPeer {
 public:
  FramePeer(FormWindow& window, Frame& frame, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FormWindow& window_;
};

// A push button; a click or Space on it reaches the model as click() (Enter is the form's).
class ButtonPeer : public QPushButton, public QtPeer {
 public:
  ButtonPeer(FormWindow& window, CommandButton& button, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 private:
  FormWindow& window_;
};

// A check box; the model decides the new state and the box shows it.
class CheckBoxPeer : public QCheckBox, public QtPeer {
 public:
  CheckBoxPeer(FormWindow& window, CheckBox& box, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 protected:
  void nextCheckState() override;

 private:
  FormWindow& window_;
};

// An option button. The model keeps the group of its container exclusive; the widget only
// shows its own state.
class OptionPeer : public QRadioButton, public QtPeer {
 public:
  OptionPeer(FormWindow& window, OptionButton& option, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 protected:
  void nextCheckState() override;

 private:
  FormWindow& window_;
};

// A drop-down list that cannot be typed into; a choice reaches the model as choose(), also a
// screen reader's selection of an item while the list is closed.
class ComboPeer : public QComboBox, public QtPeer {
 public:
  ComboPeer(FormWindow& window, ComboBox& combo, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

 private:
  void showChoice();
  void itemSelected(const QItemSelection& added);

  FormWindow& window_;
  bool showing_ = false;
};

}  // namespace slumbrix
