#include "frontend/qt/drawing_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace slumbrix {
namespace {

// Cuts the segment to the box [0, width) x [0, height) (Liang and Barsky); false when nothing
// of it is inside.
bool clipToBox(double& x0, double& y0, double& x1, double& y1, double width, double height) {
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
    return false;
  // Just inside the far edges, so that the pixel of a point is always in the image.
  const double right = width - 1e-6;
  const double bottom = height - 1e-6;
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0, right - x0, y0, bottom - y0};
  double enter = 0;
  double leave = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) return false;
  const double startX = x0;
  const double startY = y0;
  x0 = startX + enter * dx;
  y0 = startY + enter * dy;
  x1 = startX + leave * dx;
  y1 = startY + leave * dy;
  return true;
}

// The pixel that holds a coordinate of the image (0 or more), within [0, limit).
int pixelOf(double value, int limit) {
  return std::min(static_cast<int>(value), limit - 1);
}

}  // namespace

void DrawingCanvas::begin(QSize size, qreal devicePixelRatio, std::optional<QColor> background) {
  ratio_ = devicePixelRatio > 0 ? devicePixelRatio : 1;
  const QSize pixels = (QSizeF(size) * ratio_).toSize();
  const QImage::Format format =
      background ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
  // The image is made again only when its size or kind changes.
  if (image_.size() != pixels || image_.format() != format) image_ = QImage(pixels, format);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(background ? background->rgb() : 0u);
  bits_ = image_.bits();
  stride_ = image_.bytesPerLine();
}

void DrawingCanvas::clear() {
  image_ = QImage();
  bits_ = nullptr;
  stride_ = 0;
}

void DrawingCanvas::drawPicture(const QPixmap& picture) {
  if (image_.isNull()) return;
  QPainter painter(&image_);
  painter.drawPixmap(0, 0, picture);
}

void DrawingCanvas::fillBox(QPoint a, QPoint b, QRgb color) {
  const int left = static_cast<int>(std::floor(std::min(a.x(), b.x()) * ratio_));
  const int top = static_cast<int>(std::floor(std::min(a.y(), b.y()) * ratio_));
  const int right = static_cast<int>(std::ceil((std::max(a.x(), b.x()) + 1) * ratio_)) - 1;
  const int bottom = static_cast<int>(std::ceil((std::max(a.y(), b.y()) + 1) * ratio_)) - 1;
  const QRect box = QRect(QPoint(left, top), QPoint(right, bottom)) & image_.rect();
  if (box.isEmpty() || bits_ == nullptr) return;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
    std::fill(row + box.left(), row + box.right() + 1, color);
  }
}

void DrawingCanvas::line(QPointF a, QPointF b, QRgb color) {
  double x0 = a.x() * ratio_;
  double y0 = a.y() * ratio_;
  double x1 = b.x() * ratio_;
  double y1 = b.y() * ratio_;
  const int width = image_.width();
  const int height = image_.height();
  // Most lines lie inside; only the others are cut first.
  const bool inside = x0 >= 0 && y0 >= 0 && x1 >= 0 && y1 >= 0 && x0 < width && x1 < width &&
                      y0 < height && y1 < height;
  if (bits_ == nullptr) return;
  if (!inside) {
    // Wholly beyond one edge, as the meter's graph is at 0 %, on the bottom edge: nothing to
    // cut.
    if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= width && x1 >= width) ||
        (y0 >= height && y1 >= height))
      return;
    if (!clipToBox(x0, y0, x1, y1, width, height)) return;
  }
  plot(pixelOf(x0, width), pixelOf(y0, height), pixelOf(x1, width), pixelOf(y1, height), color);
}

void DrawingCanvas::plot(int x0, int y0, int x1, int y1, QRgb pixel) {
  // Bresenham's line between two pixels inside the image; every pixel it sets lies in the
  // box they span.
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    reinterpret_cast<QRgb*>(bits_ + y0 * stride_)[x0] = pixel;
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y0 += stepY;
    }
  }
}

}  // namespace slumbrix
