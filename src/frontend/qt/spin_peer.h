#pragma once

#include <QTimer>
#include <QWidget>

#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_peer.h"
#include "ui/scroll_bar.h"

namespace slumbrix {

// A vertical scroll bar used as a spin button: two arrow buttons, one above the other, and
// nothing between them. The upper arrow is arrowUp() of the model, the lower one arrowDown();
// held down, an arrow repeats. The form decides its keys (Form::keyDown); with the focus it
// shows a focus rectangle.
class SpinPeer : public QWidget, public QtPeer {
 public:
  SpinPeer(FormWindow& window, VScrollBar& bar, QWidget* parent);
  void propertyChanged(Control& control, Property property) override;
  QSize sizeHint() const override { return {11, 21}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void onDetach() override { repeat_.stop(); }

 private:
  enum class Arrow { None, Up, Down };
  Arrow arrowAt(const QPoint& pos) const;
  void step(Arrow arrow);

  FormWindow& window_;
  Arrow pressed_ = Arrow::None;
  QTimer repeat_;
};

}  // namespace slumbrix
