#pragma once

#include <QPixmap>
#include <QWidget>

#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_peer.h"
#include "ui/picture_box.h"

namespace slumbrix {

// A picture box: its background, its picture, its drawing list (pixels or the user scale,
// over the inner area inside the border) and the controls it contains.
class PicturePeer : public QWidget, public QtPeer {
 public:
  PicturePeer(FormWindow& window, PictureBox& picture, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

  // Width of the border on each side, in pixels.
  int border() const;
  // The area inside the border, where the drawing and the contained controls sit.
  QRect innerRect() const;
  // A point of the drawing list in widget pixels.
  QPointF toPixels(const PictureBox& picture, ScaleMode mode, double x, double y) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  FormWindow& window_;
  QPixmap pixmap_;
};

}  // namespace slumbrix
