#pragma once

// The native controls that need no more than a few lines each. Windows-only header.

#include "frontend/win32/control_window.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/scroll_bar.h"

namespace slumbrix::win32 {

// A label: a static text on its container's background.
struct LabelWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  void create(HWND parent) override;
  void update(Property property) override;
  HBRUSH onColor(HDC dc) override;
  void fitToText();
};

// A push button; a click enters the model as CommandButton::click.
struct CommandButtonWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  CommandButton& button() const { return static_cast<CommandButton&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  void onCommand(WORD code) override;
};

// A check box drawn from the model's Value; a click enters as CheckBox::click.
struct CheckBoxWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  CheckBox& box() const { return static_cast<CheckBox&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  void onCommand(WORD code) override;
  HBRUSH onColor(HDC dc) override { return containerColors(dc); }
};

// An option button; the model keeps the group exclusive, the window only shows Value.
struct OptionButtonWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  OptionButton& option() const { return static_cast<OptionButton&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  void onCommand(WORD code) override;
  HBRUSH onColor(HDC dc) override { return containerColors(dc); }
};

// A drop-down list; the user's choice enters as ComboBox::choose.
struct ComboBoxWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  ComboBox& combo() const { return static_cast<ComboBox&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  void onCommand(WORD code) override;
  HBRUSH onColor(HDC dc) override;
  void fillList();
  void showChoice();
  int extraHeight() const override;
};

// A vertical scroll bar used as a spin button. The top of the native bar is Min, whichever
// of Min and Max is larger; its arrows enter as VScrollBar::arrowUp and arrowDown, a click in
// its track as pageUp and pageDown.
struct ScrollBarWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  VScrollBar& bar() const { return static_cast<VScrollBar&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  void onScroll(WORD code) override;
  void showValue();
};

}  // namespace slumbrix::win32
