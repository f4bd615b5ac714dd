#pragma once

namespace slumbrix {

// A rectangle on the screen, in pixels.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Where a form that starts centred puts its top left corner: a window of the given outer size
// (frame, title bar and menu included) centred on the available area of the screen (the
// screen without the task bar or panels). Where the window is wider or taller than that area,
// it lies against the area's left or top edge instead, so that its title bar and its menu
// stay on the screen and only its right or bottom part is cut off.
ScreenPoint centredPlacement(int width, int height, const ScreenArea& area);

}  // namespace slumbrix
