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
#include "ui/effective_style.h"

namespace slumbrix {

PicturePeer::PicturePeer(FormWindow& window, PictureBox& picture, QWidget* parent)
    : QWidget(parent), QtPeer(picture), window_(window) {
  pixmap_ = pictureByName(fromAnsi(picture.picture));
  if (!pixmap_.isNull() && picture.Click) setCursor(Qt::PointingHandCursor);
  // The background colour fills the inner area and the border covers the rest.
  setAttribute(Qt::WA_OpaquePaintEvent, effectiveBackColor(picture).has_value());
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

PicturePeer::Placement PicturePeer::placementOf(const PictureBox& picture) const {
  const QRect inner = innerRect();
  return {picture.pixelMapping(inner.width(), inner.height()), inner};
}

void PicturePeer::refresh() {
  refreshQueued_ = false;
  const PictureBox* shown = static_cast<const PictureBox*>(control_);
  if (shown == nullptr) return;
  const Placement placement = placementOf(*shown);
  const QRect changed = changedArea(*shown, placement);
  // A refresh that ends with the list last shown (the meter's bar at a steady figure) leaves
  // the canvas as it is: it holds that list, or a paint since then has marked the box mixed.
  if (canvasStale_ && !changed.isEmpty()) renderCanvas();
  canvasStale_ = false;
  screenMixed_ = false;
  if (!changed.isEmpty()) update(changed);
  // Copied into the storage already there: no allocation once the list has its length.
  shown_ = shown->drawing();
  shownPlacement_ = placement;
}

QRect PicturePeer::changedArea(const PictureBox& picture, const Placement& placement) const {
  const std::vector<DrawOp>& drawing = picture.drawing();
  if (screenMixed_ || placement != shownPlacement_ || drawing.size() != shown_.size())
    return placement.inner;
  const PixelMapping& mapping = placement.mapping;
  double left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  const auto take = [&](const DrawOp& op) {
    for (const PixelMapping::Point point :
         {mapping.place(op.mode, op.x1, op.y1), mapping.place(op.mode, op.x2, op.y2)}) {
      left = any ? std::min(left, point.x) : point.x;
      right = any ? std::max(right, point.x) : point.x;
      top = any ? std::min(top, point.y) : point.y;
      bottom = any ? std::max(bottom, point.y) : point.y;
      any = true;
    }
  };
  for (std::size_t i = 0; i < drawing.size(); ++i) {
    if (drawing[i] == shown_[i]) continue;
    take(drawing[i]);
    take(shown_[i]);
  }
  if (!any) return {};
  const QRect& inner = placement.inner;
  // Far outside the box, or not a number, stands for the whole box.
  const double limit = 4.0 * (inner.width() + inner.height()) + 16;
  const auto within = [limit](double value) { return value >= -limit && value <= limit; };
  if (!within(left) || !within(right) || !within(top) || !within(bottom)) return inner;
  // A pixel around the ends: a line may touch the pixel of its end point, a box its corners.
  const QRect area = QRectF(QPointF(left, top), QPointF(right, bottom))
                         .toAlignedRect()
                         .translated(inner.topLeft())
                         .adjusted(-1, -1, 2, 2);
  return area & inner;
}

void PicturePeer::paintEvent(QPaintEvent* event) {
  if (canvasStale_) {
    // A newer list than the one last shown: this area shows it, the rest of the box not yet.
    renderCanvas();
    screenMixed_ = true;
  }
  QPainter painter(this);
  const QRect inner = innerRect();
  const QRect area = inner & event->rect();
  if (!area.isEmpty() && canvas_.image().isNull()) {
    // Nothing drawn and no picture: the background, if the box has one, is all there is.
    if (const std::optional<Color> back =
            control_ != nullptr ? effectiveBackColor(*control_) : std::nullopt)
      painter.fillRect(area, toQColor(*back));
  } else if (!area.isEmpty()) {
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
  if (pixmap_.isNull() && (picture == nullptr || picture->drawing().empty())) {
    canvas_.clear();
    return;
  }
  std::optional<QColor> background;
  if (picture != nullptr)
    if (const std::optional<Color> back = effectiveBackColor(*picture))
      background = toQColor(*back);
  canvas_.begin(inner.size(), devicePixelRatioF(), background);
  if (!pixmap_.isNull()) canvas_.drawPicture(pixmap_);
  if (picture == nullptr || picture->drawing().empty()) return;
  const PixelMapping mapping = picture->pixelMapping(inner.width(), inner.height());
  for (const DrawOp& op : picture->drawing()) {
    const PixelMapping::Point from = mapping.place(op.mode, op.x1, op.y1);
    const PixelMapping::Point to = mapping.place(op.mode, op.x2, op.y2);
    const QPointF a(from.x, from.y);
    const QPointF b(to.x, to.y);
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
