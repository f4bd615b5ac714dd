#pragma once

// The text field. Windows-only header.

#include <string>

#include "frontend/win32/control_window.h"
#include "ui/text_box.h"

namespace slumbrix::win32 {

// An edit control whose every change goes through the model: typed characters, control
// characters such as Ctrl+V included, reach TextBox::typeChar (and so its KeyPress) before the
// edit control could see them; Delete, cut, copy, paste and clear become the model's own
// calls. The edit control only moves the caret and shows the text the model holds.
struct TextBoxWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  TextBox& box() const { return static_cast<TextBox&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HBRUSH onColor(HDC dc) override;

 private:
  // Tells the model where the caret and the selection are before an edit.
  bool takeSelection();
  void showSelection();
  void showText();
  bool onKeyDown(WPARAM key);

  bool settingText_ = false;
};

}  // namespace slumbrix::win32
