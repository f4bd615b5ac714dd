#include "frontend/qt/picture_peer.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "frontend/qt/appearance_qt.h"
#include "frontend/qt/qt_text.h"
#include "frontend/qt/widget_peer.h"

namespace slumbrix {

PicturePeer::PicturePeer(FormWindow& window, PictureBox& picture, QWidget* parent)
    : QWidget(parent), QtPeer(picture), window_(window) {
  pixmap_ = pictureByName(fromAnsi(picture.picture));
  if (!pixmap_.isNull() && picture.Click) setCursor(Qt::PointingHandCursor);
  // The background colour fills the inner area and the border covers the rest.
  setAttribute(Qt::WA_OpaquePaintEvent, picture.backColor.has_value());
  initializeWidget(window, *this, *this, picture, {});
}

void PicturePeer::propertyChanged(Control& control, Property property) {
  if (property == Property::Drawing) {
    canvasStale_ = true;
    // A refresh of the meter is a hundred operations; the screen follows once, after them.
    if (!refreshQueued_) {
      refreshQueued_ = true;
      QMetaObject::invokeMethod(this, &PicturePeer::refresh, Qt::QueuedConnection);
    }
    return;
  }
  applyCommon(window_, *this, control, property);
}

int PicturePeer::border() const {
  return control_ != nullptr && control_->borderStyle == BorderStyle::Fixed3D ? 2 : 0;
}

QRect PicturePeer::innerRect() const {
  const int b = border();
  return rect().adjusted(b, b, -b, -b);
}

QPointF PicturePeer::toPixels(const PictureBox& picture, ScaleMode mode, double x, double y) const {
  const QRect inner = innerRect();
  if (mode == ScaleMode::Pixel) return QPointF(inner.left() + x, inner.top() + y);
  const double w = picture.scaleWidth() == 0 ? 1 : picture.scaleWidth();
  const double h = picture.scaleHeight() == 0 ? 1 : picture.scaleHeight();
  return QPointF(inner.left() + (x - picture.scaleLeft()) * inner.width() / w,
                 inner.top() + (y - picture.scaleTop()) * inner.height() / h);
}

PicturePeer::Placement PicturePeer::placementOf(const PictureBox& picture) const {
  return {picture.scaleLeft(), picture.scaleTop(), picture.scaleWidth(), picture.scaleHeight(),
          innerRect()};
}

void PicturePeer::refresh() {
  refreshQueued_ = false;
  const PictureBox* shown = static_cast<const PictureBox*>(control_);
  if (shown == nullptr) return;
  if (canvasStale_) renderCanvas();
  const QRect changed = changedArea(*shown);
  if (!changed.isEmpty()) update(changed);
  shown_ = shown->drawing();
  shownPlacement_ = placementOf(*shown);
}

QRect PicturePeer::opArea(const PictureBox& picture, const DrawOp& op) const {
  const QPointF a = toPixels(picture, op.mode, op.x1, op.y1);
  const QPointF b = toPixels(picture, op.mode, op.x2, op.y2);
  // A pixel around the ends: a line may touch the pixel of its end point, a box its corners.
  return QRectF(a, b).normalized().toAlignedRect().adjusted(-1, -1, 2, 2);
}

QRect PicturePeer::changedArea(const PictureBox& picture) const {
  const std::vector<DrawOp>& drawing = picture.drawing();
  const Placement placement = placementOf(picture);
  if (placement != shownPlacement_ || drawing.size() != shown_.size()) return placement.inner;
  QRect changed;
  for (std::size_t i = 0; i < drawing.size(); ++i) {
    if (drawing[i] == shown_[i]) continue;
    changed |= opArea(picture, drawing[i]) | opArea(picture, shown_[i]);
  }
  return changed & placement.inner;
}

void PicturePeer::paintEvent(QPaintEvent* event) {
  if (canvasStale_) renderCanvas();
  QPainter painter(this);
  const QRect inner = innerRect();
  const QRect area = inner & event->rect();
  if (!area.isEmpty()) {
    const qreal ratio = canvas_.image().devicePixelRatio();
    const QRectF source(QPointF(area.topLeft() - inner.topLeft()) * ratio,
                        QSizeF(area.size()) * ratio);
    painter.drawImage(QRectF(area), canvas_.image(), source);
  }
  if (border() > 0 && !inner.contains(event->rect()))
    qDrawWinPanel(&painter, rect(), palette(), true);
}

void PicturePeer::resizeEvent(QResizeEvent* event) {
  canvasStale_ = true;
  QWidget::resizeEvent(event);
}

void PicturePeer::renderCanvas() {
  canvasStale_ = false;
  const QRect inner = innerRect();
  const PictureBox* picture = static_cast<const PictureBox*>(control_);
  std::optional<QColor> background;
  if (picture != nullptr && picture->backColor) background = toQColor(*picture->backColor);
  canvas_.begin(inner.size(), devicePixelRatioF(), background);
  if (!pixmap_.isNull()) {
    QPainter painter(&canvas_.image());
    painter.drawPixmap(0, 0, pixmap_);
  }
  if (picture == nullptr || picture->drawing().empty()) return;
  // The places of toPixels, worked out once for the whole list and counted from the inner
  // area's corner, where the canvas starts.
  const double unitX = inner.width() / (picture->scaleWidth() == 0 ? 1 : picture->scaleWidth());
  const double unitY = inner.height() / (picture->scaleHeight() == 0 ? 1 : picture->scaleHeight());
  const auto place = [&](ScaleMode mode, double x, double y) {
    if (mode == ScaleMode::Pixel) return QPointF(x, y);
    return QPointF((x - picture->scaleLeft()) * unitX, (y - picture->scaleTop()) * unitY);
  };
  for (const DrawOp& op : picture->drawing()) {
    const QPointF a = place(op.mode, op.x1, op.y1);
    const QPointF b = place(op.mode, op.x2, op.y2);
    const QRgb color = qRgb(op.color.red, op.color.green, op.color.blue);
    if (op.kind == DrawOp::Kind::Line) {
      canvas_.line(a, b, color);
    } else {
      // Both corners belong to the box.
      canvas_.fillBox(a.toPoint(), b.toPoint(), color);
    }
  }
}

void PicturePeer::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (control_ != nullptr) static_cast<PictureBox*>(control_)->click();
}

}  // namespace slumbrix
