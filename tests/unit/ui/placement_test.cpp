#include "ui/placement.h"

#include <gtest/gtest.h>

namespace slumbrix {
namespace {

TEST(CentredPlacement, CentresWhatFitsAndKeepsTheTitleBarOfWhatDoesNotOnTheScreen) {
  struct Row {
    const char* what;
    int width, height;
    ScreenArea area;
    int x, y;
  };
  const Row rows[] = {
      {"fits", 360, 480, {0, 0, 1024, 738}, 332, 129},
      {"odd leftover", 361, 481, {0, 0, 1024, 738}, 331, 128},
      {"panel above and left", 360, 480, {64, 32, 960, 736}, 364, 160},
      {"exactly the area", 1024, 738, {0, 0, 1024, 738}, 0, 0},
      // 640x480 at 150 %: the window is 527 x 690 pixels, the area above the task bar 450 high.
      {"taller than the area", 527, 690, {0, 0, 640, 450}, 56, 0},
      {"taller, below a top panel", 527, 690, {0, 24, 640, 456}, 56, 24},
      {"wider than the area", 700, 300, {0, 0, 640, 450}, 0, 75},
      {"larger both ways, on a second screen", 900, 700, {1280, -200, 640, 450}, 1280, -200},
  };
  for (const Row& row : rows) {
    const ScreenPoint at = centredPlacement(row.width, row.height, row.area);
    EXPECT_EQ(at.x, row.x) << row.what;
    EXPECT_EQ(at.y, row.y) << row.what;
  }
}

}  // namespace
}  // namespace slumbrix
