#include "frontend/qt/timer_peer.h"

namespace slumbrix {

TimerPeer::TimerPeer(Timer& timer) : QtPeer(timer) {
  QObject::connect(&qtimer_, &QTimer::timeout, [this] {
    if (control_ != nullptr) static_cast<Timer*>(control_)->tick();
  });
  restart(timer);
}

void TimerPeer::propertyChanged(Control& control, Property property) {
  if (property == Property::Enabled || property == Property::Interval)
    restart(static_cast<Timer&>(control));
}

void TimerPeer::restart(const Timer& timer) {
  if (timer.running()) {
    // Qt's coarse timers keep within 5 % of the interval and settle on the same boundaries of
    // the second, so the coarse timers of one interval end up ticking in one wake-up.
    qtimer_.setTimerType(timer.coarse ? Qt::CoarseTimer : Qt::PreciseTimer);
    qtimer_.start(timer.Interval());
  } else {
    qtimer_.stop();
  }
}

}  // namespace slumbrix
