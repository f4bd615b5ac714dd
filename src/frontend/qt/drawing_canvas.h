#pragma once

#include <QImage>
#include <QPixmap>

#include <optional>

namespace slumbrix {

// An image that the drawing list of a picture box is painted into: solid boxes and lines one
// device pixel wide, in solid colours, written straight into the pixels. QPainter's path for
// such lines costs about half a microsecond a segment, which made the meter's graph of 99
// segments the largest part of the program's work at rest; here it takes a few microseconds.
//
// Coordinates are in logical pixels of the image; the device pixel ratio scales them. What
// falls outside the image is clipped.
class DrawingCanvas {
 public:
  // Starts a fresh image of that logical size, filled with the background (transparent when
  // there is none).
  void begin(QSize size, qreal devicePixelRatio, std::optional<QColor> background);
  // The box between two corners, both of which belong to it.
  void fillBox(QPoint a, QPoint b, QRgb color);
  // The line from a to b, both ends included.
  void line(QPointF a, QPointF b, QRgb color);

  // Lets the image go: a box with nothing drawn and no picture needs none.
  void clear();
  // A picture at the top-left corner, as it is.
  void drawPicture(const QPixmap& picture);

  const QImage& image() const { return image_; }

 private:
  void plot(int x0, int y0, int x1, int y1, QRgb pixel);

  QImage image_;
  qreal ratio_ = 1;
  // The pixels of the image, taken once per begin(): asking the image for them again for each
  // line or box would check each time whether the image is shared and must be copied first.
  uchar* bits_ = nullptr;
  qsizetype stride_ = 0;
};

}  // namespace slumbrix
