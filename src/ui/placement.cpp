#include "ui/placement.h"

namespace slumbrix {
namespace {

int centredStart(int start, int available, int size) {
  if (size >= available) return start;
  return start + (available - size) / 2;
}

}  // namespace

ScreenPoint centredPlacement(int width, int height, const ScreenArea& area) {
  return ScreenPoint{centredStart(area.left, area.width, width),
                     centredStart(area.top, area.height, height)};
}

}  // namespace slumbrix
