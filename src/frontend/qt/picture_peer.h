#pragma once

#include <QPixmap>
#include <QWidget>

#include <vector>

#include "frontend/qt/drawing_canvas.h"
#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_peer.h"
#include "ui/picture_box.h"

namespace slumbrix {

// A picture box: its background, its picture, its drawing list (pixels or the user scale,
// over the inner area inside the border) and the controls it contains.
//
// The drawing is painted into an image of the inner area (DrawingCanvas), at most once per
// turn of the event loop however many operations changed it, and the screen is updated only
// where the list differs from the one last shown: a refresh of the meter repaints the graph
// and the bar's segments that changed, not the box around them or the figure below. A box
// with a background colour covers its whole area, so what lies beneath it is not painted
// again.
class PicturePeer : public QWidget, public QtPeer {
 public:
  PicturePeer(FormWindow& window, PictureBox& picture, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;

  // Width of the border on each side, in pixels.
  int border() const;
  // The area inside the border, where the drawing and the contained controls sit.
  QRect innerRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Where the shown drawing was placed: the user scale over the inner area.
  struct Placement {
    PixelMapping mapping;
    QRect inner;
    friend bool operator==(const Placement&, const Placement&) = default;
  };

  Placement placementOf(const PictureBox& picture) const;
  // Runs once the handler that changed the drawing has returned.
  void refresh();
  // Where the drawing list differs from the one last shown, in widget pixels.
  QRect changedArea(const PictureBox& picture, const Placement& placement) const;
  // Paints the background, the picture and the drawing list into the canvas.
  void renderCanvas();

  FormWindow& window_;
  QPixmap pixmap_;
  DrawingCanvas canvas_;
  bool canvasStale_ = true;
  std::vector<DrawOp> shown_;  // the drawing list last asked to be shown
  Placement shownPlacement_;
  // A paint found the canvas out of date and showed a newer list in part of the box: the
  // next refresh repaints all of it.
  bool screenMixed_ = false;
  bool refreshQueued_ = false;
};

}  // namespace slumbrix
