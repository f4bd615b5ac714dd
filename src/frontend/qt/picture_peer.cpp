#include "frontend/qt/picture_peer.h"

#include <qdrawutil.h>
#include <QMouseEvent>
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
  initializeWidget(window, *this, *this, picture, {});
}

void PicturePeer::propertyChanged(Control& control, Property property) {
  if (property == Property::Drawing) {
    update();
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

void PicturePeer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inner = innerRect();
  const PictureBox* picture = static_cast<const PictureBox*>(control_);
  if (picture != nullptr && picture->backColor)
    painter.fillRect(inner, toQColor(*picture->backColor));
  if (!pixmap_.isNull()) painter.drawPixmap(inner.topLeft(), pixmap_);
  if (picture != nullptr) {
    painter.save();
    painter.setClipRect(inner);
    for (const DrawOp& op : picture->drawing()) {
      const QPointF a = toPixels(*picture, op.mode, op.x1, op.y1);
      const QPointF b = toPixels(*picture, op.mode, op.x2, op.y2);
      const QColor color = toQColor(op.color);
      if (op.kind == DrawOp::Kind::Line) {
        painter.setPen(QPen(color, 0));
        painter.drawLine(a, b);
      } else {
        // Both corners belong to the box.
        const QPoint topLeft(static_cast<int>(std::lround(std::min(a.x(), b.x()))),
                             static_cast<int>(std::lround(std::min(a.y(), b.y()))));
        const QPoint bottomRight(static_cast<int>(std::lround(std::max(a.x(), b.x()))),
                                 static_cast<int>(std::lround(std::max(a.y(), b.y()))));
        painter.fillRect(QRect(topLeft, bottomRight), color);
      }
    }
    painter.restore();
  }
  if (border() > 0) qDrawWinPanel(&painter, rect(), palette(), true);
}

void PicturePeer::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (control_ != nullptr) static_cast<PictureBox*>(control_)->click();
}

}  // namespace slumbrix
