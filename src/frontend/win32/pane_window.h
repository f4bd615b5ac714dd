#pragma once

// The two containers: a frame and a picture box. Each is a small window of our own class
// whose children are the controls inside it. Windows-only header.

#include <vector>

#include "frontend/win32/control_window.h"
#include "frontend/win32/picture_surface.h"
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
// The drawing is rendered off screen when it changes, and only the area where it differs
// from what the screen shows is repainted (see picture_paint.cpp).
struct PictureWindow : ControlWindow {
  using ControlWindow::ControlWindow;
  ~PictureWindow() override;
  PictureBox& picture() const { return static_cast<PictureBox&>(control_); }
  void create(HWND parent) override;
  void update(Property property) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HWND contentWindow() const override { return hwnd_; }
  // A point of the drawing list in pixels of an inner area of width x height.
  POINT toPixels(const DrawOp& op, double x, double y, int width, int height) const;

  // Painting (picture_paint.cpp).
  // What decides where the drawing lands: the inner area's size and the user scale.
  struct Placement {
    int width = 0, height = 0;
    double left = 0, top = 0, scaleWidth = 0, scaleHeight = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
  };
  Placement placement() const;
  // After a change of the drawing list: once for all the changes of one message, it marks the
  // area where the list differs from the one last shown for repainting.
  void queueRefresh();
  void refresh();
  // Refreshes the picture boxes whose drawing changed while the last message was handled;
  // the message loop and the timers call it after each message (no message of its own, so a
  // tick costs no extra round trip to the window server).
  static void refreshPending();
  void forgetRefresh();
  RECT changedArea(const Placement& now) const;
  // Copies the off-screen drawing to `target` over `area`, rendering it first when stale.
  void paint(HDC target, const RECT& area);
  void render(HDC reference, int width, int height);
  void paintLines(HDC dc, std::size_t& index, int width, int height);

  HBITMAP bitmap = nullptr;
  bool pressed = false;
  PictureSurface surface;
  bool stale = true;
  bool refreshQueued = false;
  // A paint rendered a newer list than the one last shown before its refresh ran: the screen
  // may show two lists, so the refresh repaints the whole box.
  bool mixed = false;
  std::vector<DrawOp> shown;
  Placement shownPlacement;
  std::vector<POINT> points;
};

}  // namespace slumbrix::win32
