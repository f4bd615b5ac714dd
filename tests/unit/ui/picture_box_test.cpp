#include "ui/picture_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace slumbrix {
namespace {

using ::testing::ElementsAre;

constexpr Color kGreen = Color::fromRgb(0x00FF00);
constexpr Color kBlack = Color::fromRgb(0x000000);
constexpr Color kRed = Color::fromRgb(0xFF0000);

DrawOp line(ScaleMode mode, double x1, double y1, double x2, double y2, Color color) {
  return DrawOp{DrawOp::Kind::Line, mode, x1, y1, x2, y2, color};
}
DrawOp box(ScaleMode mode, double x1, double y1, double x2, double y2, Color color) {
  return DrawOp{DrawOp::Kind::FilledBox, mode, x1, y1, x2, y2, color};
}

TEST(PictureBox, UserScaleIsAHundredByAHundredFromTheTopLeftCorner) {
  PictureBox picGraph("picGraph");
  EXPECT_EQ(picGraph.scaleMode(), ScaleMode::Pixel);
  picGraph.setUserScale(0, 0, 100, 100);
  EXPECT_EQ(picGraph.scaleMode(), ScaleMode::User);
  EXPECT_EQ(picGraph.scaleLeft(), 0);
  EXPECT_EQ(picGraph.scaleTop(), 0);
  EXPECT_EQ(picGraph.scaleWidth(), 100);
  EXPECT_EQ(picGraph.scaleHeight(), 100);
}

TEST(PictureBox, AScaleThatSpansNothingIsRefused) {
  PictureBox picGraph("picGraph");
  ASSERT_TRUE(picGraph.setUserScale(10, 20, 100, -50));  // drawn from the bottom up
  const double nan = std::nan("");
  const double infinity = std::numeric_limits<double>::infinity();
  const double rows[][4] = {
      {0, 0, 0, 100}, {0, 0, 100, 0}, {0, 0, nan, 100}, {nan, 0, 100, 100}, {0, 0, infinity, 1}};
  for (const auto& row : rows) {
    EXPECT_FALSE(picGraph.setUserScale(row[0], row[1], row[2], row[3]));
    EXPECT_EQ(picGraph.scaleWidth(), 100);
    EXPECT_EQ(picGraph.scaleHeight(), -50);
  }
  PictureBox fresh("picUsage");
  EXPECT_FALSE(fresh.setUserScale(0, 0, 0, 0));
  EXPECT_EQ(fresh.scaleMode(), ScaleMode::Pixel);
}

TEST(PictureBox, PointsLandOnTheInnerAreaInPixelsOrStretchedByTheUserScale) {
  PictureBox pic("picGraph");
  ASSERT_TRUE(pic.setUserScale(10, 20, 100, -50));
  const PixelMapping mapping = pic.pixelMapping(200, 100);
  struct Row {
    ScaleMode mode;
    double x, y, pixelX, pixelY;
  };
  const Row rows[] = {
      {ScaleMode::Pixel, 7, 9, 7, 9},        {ScaleMode::User, 10, 20, 0, 0},
      {ScaleMode::User, 110, -30, 200, 100}, {ScaleMode::User, 60, -5, 100, 50},
      {ScaleMode::User, 0, 30, -20, -20},  // outside the scale, outside the area
  };
  for (const Row& row : rows) {
    const PixelMapping::Point at = mapping.place(row.mode, row.x, row.y);
    EXPECT_DOUBLE_EQ(at.x, row.pixelX) << row.x;
    EXPECT_DOUBLE_EQ(at.y, row.pixelY) << row.y;
  }
}

TEST(PictureBox, DrawingListKeepsOperationsInTheirScaleUntilCls) {
  PictureBox pic("picGraph");
  pic.Line(0, 10, 50, 10, kGreen);
  pic.setUserScale(0, 0, 100, 100);
  pic.Line(0, 100, 1, 80, kGreen);
  pic.FilledBox(0, 0, 100, 20, kBlack);
  EXPECT_THAT(pic.drawing(), ElementsAre(line(ScaleMode::Pixel, 0, 10, 50, 10, kGreen),
                                         line(ScaleMode::User, 0, 100, 1, 80, kGreen),
                                         box(ScaleMode::User, 0, 0, 100, 20, kBlack)));
  pic.Cls();
  EXPECT_TRUE(pic.drawing().empty());
  pic.Line(1, 2, 3, 4, kRed);
  EXPECT_EQ(pic.drawing().size(), 1u);
}

TEST(PictureBox, RepeatedFilledBoxWithTheSameCornersReplacesTheOldOne) {
  // The usage bar is repainted in place many times a second; the list must not grow.
  PictureBox picUsage("picUsage");
  for (int i = 0; i < 1000; ++i) {
    picUsage.FilledBox(0, 0, 100, 100, kBlack);
    picUsage.FilledBox(0, 0, i % 100, 100, kGreen);
  }
  EXPECT_LE(picUsage.drawing().size(), 101u);

  picUsage.Cls();
  picUsage.FilledBox(0, 0, 40, 100, kGreen);
  picUsage.FilledBox(0, 0, 60, 100, kGreen);  // other corners: both stay
  picUsage.FilledBox(0, 0, 40, 100, kRed);    // same corners: replaces, drawn on top
  EXPECT_THAT(picUsage.drawing(), ElementsAre(box(ScaleMode::Pixel, 0, 0, 60, 100, kGreen),
                                              box(ScaleMode::Pixel, 0, 0, 40, 100, kRed)));

  picUsage.setUserScale(0, 0, 100, 100);
  picUsage.FilledBox(0, 0, 40, 100, kRed);  // same numbers in another scale: another box
  EXPECT_EQ(picUsage.drawing().size(), 3u);
}

TEST(PictureBox, ColourValuesForThePlatform) {
  const Color c = Color::fromRgb(0x123456);
  EXPECT_EQ(c.rgb(), 0x123456u);
  EXPECT_EQ(c.colorRef(), 0x563412u);
}

}  // namespace
}  // namespace slumbrix
