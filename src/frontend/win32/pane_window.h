#pragma once

// The two containers: a frame and a picture box. Each is a small window of our own class
// whose children are the controls inside it. Windows-only header.

#include "frontend/win32/control_window.h"
#include "ui/picture_box.h"

namespace slumbrix::win32 {

// A frame: a pane on its container's background with a native group box behind the
// controls it contains. Their positions count from the frame's outer top-left corner.
struct FrameWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  void create(HWND parent) override;
  void update(Property property) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HBRUSH onColor(HDC dc) override { return containerColors(dc); }
  HWND contentWindow() const override { return hwnd_; }
  // Puts the group box behind the controls created in the frame after it.
  void sendGroupBoxBack();

  HWND groupBox = nullptr;
};

// A picture box: its background, its picture and its drawing list, painted in pixels or in
// its user scale over the inner area; the controls inside it count from that inner area.
struct PictureWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  ~PictureWindow() override;
  PictureBox& picture() const { return static_cast<PictureBox&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HWND contentWindow() const override { return hwnd_; }
  void paint(HDC dc);
  void paintOp(HDC dc, const DrawOp& op, int width, int height);
  // A point of the drawing list in pixels of an inner area of width x height.
  POINT toPixels(const DrawOp& op, double x, double y, int width, int height) const;

  HBITMAP bitmap = nullptr;
  bool pressed = false;
};

}  // namespace slumbrix::win32
