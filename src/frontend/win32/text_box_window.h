#pragma once

// The text field. Windows-only header.

#include <string>

#include "frontend/win32/control_window.h"
#include "ui/text_box.h"

namespace slumbrix::win32 {

// An edit control whose every change goes through the model: the form decides the keys
// (FormWindow::translateKey), typed characters reach TextBox::typeChar (and so its KeyPress)
// before the edit control could see them, and cut, copy, paste and clear, from the context
// menu the model fills or from outside, become the model's own calls. The edit control only
// moves the caret and shows the text the model holds.
struct TextBoxWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  TextBox& box() const { return static_cast<TextBox&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HBRUSH onColor(HDC dc) override;
  // Tells the model where the caret and the selection are before an edit.
  bool takeSelection();

 private:
  void showSelection();
  void showText();
  // Cut, Copy, Paste, Delete and Select All, each offered when the model says it would do
  // something; `position` is the message's, -1 from the keyboard.
  void showContextMenu(LPARAM position);

  bool settingText_ = false;
};

}  // namespace slumbrix::win32
