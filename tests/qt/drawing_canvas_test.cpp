// The picture boxes' canvas: boxes and lines land on the pixels they name, and what lies
// outside the image is cut off without being walked.
#include "frontend/qt/drawing_canvas.h"

#include <gtest/gtest.h>

#include <limits>

namespace slumbrix {
namespace {

constexpr QRgb kRed = 0xFFC00000u;
constexpr QRgb kGrey = 0xFFE0E0E0u;

int count(const QImage& image, QRgb color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == color ? 1 : 0;
  return n;
}

TEST(DrawingCanvas, BoxesAndLinesIncludeTheirEnds) {
  DrawingCanvas canvas;
  canvas.begin(QSize(20, 10), 1.0, QColor(kGrey));
  canvas.fillBox(QPoint(2, 3), QPoint(5, 3), kRed);  // one row, both corners in
  EXPECT_EQ(count(canvas.image(), kRed), 4);
  EXPECT_EQ(canvas.image().pixel(1, 3), kGrey);

  canvas.begin(QSize(20, 10), 1.0, QColor(kGrey));
  canvas.line(QPointF(0, 0), QPointF(9, 9), kRed);  // the diagonal, ends included
  EXPECT_EQ(count(canvas.image(), kRed), 10);
  EXPECT_EQ(canvas.image().pixel(9, 9), kRed);
  canvas.line(QPointF(3.7, 5.2), QPointF(3.7, 5.2), kRed);  // a point: the pixel holding it
  EXPECT_EQ(canvas.image().pixel(3, 5), kRed);
}

TEST(DrawingCanvas, WhatFallsOutsideIsCutOff) {
  DrawingCanvas canvas;
  canvas.begin(QSize(100, 60), 1.0, std::nullopt);
  EXPECT_EQ(canvas.image().pixel(0, 0), 0u);  // no background: transparent
  // A sample far above the graph: only the part inside is drawn, and at once.
  canvas.line(QPointF(50, 30), QPointF(51, -2e9), kRed);
  EXPECT_EQ(canvas.image().pixel(50, 0), kRed);
  EXPECT_LE(count(canvas.image(), kRed), 32);
  canvas.line(QPointF(-5, 70), QPointF(200, 70), kRed);  // wholly below
  canvas.line(QPointF(std::numeric_limits<double>::quiet_NaN(), 1), QPointF(3, 3), kRed);
  canvas.fillBox(QPoint(-50, -50), QPoint(-1, 100), kRed);  // wholly to the left
  EXPECT_LE(count(canvas.image(), kRed), 32);
  canvas.fillBox(QPoint(90, 50), QPoint(500, 500), kRed);  // cut at the corner
  EXPECT_EQ(canvas.image().pixel(99, 59), kRed);
}

TEST(DrawingCanvas, TheDevicePixelRatioScalesThePlaces) {
  DrawingCanvas canvas;
  canvas.begin(QSize(10, 10), 2.0, QColor(kGrey));
  EXPECT_EQ(canvas.image().size(), QSize(20, 20));
  canvas.fillBox(QPoint(1, 1), QPoint(1, 1), kRed);  // one logical pixel: four device pixels
  EXPECT_EQ(count(canvas.image(), kRed), 4);
  EXPECT_EQ(canvas.image().pixel(2, 2), kRed);
  EXPECT_EQ(canvas.image().pixel(3, 3), kRed);
}

}  // namespace
}  // namespace slumbrix
