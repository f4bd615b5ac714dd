#pragma once

#include <QTimer>

#include "frontend/qt/qt_peer.h"
#include "ui/timer.h"

namespace slumbrix {

// A timer of the model as a QTimer, precise unless the timer allows coarse ticks: it runs
// while the timer is enabled with an interval; enabling it or changing its interval starts a
// fresh interval.
class TimerPeer : public QtPeer {
 public:
  explicit TimerPeer(Timer& timer);
  void propertyChanged(Control& control, Property property) override;
  const QTimer& qtimer() const { return qtimer_; }

 protected:
  void onDetach() override { qtimer_.stop(); }

 private:
  void restart(const Timer& timer);

  QTimer qtimer_;
};

}  // namespace slumbrix
