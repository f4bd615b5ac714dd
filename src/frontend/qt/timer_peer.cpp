#include "frontend/qt/timer_peer.h"

namespace slumbrix {

TimerPeer::TimerPeer(Timer& timer) : QtPeer(timer) {
  qtimer_.setTimerType(Qt::PreciseTimer);
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
  if (timer.Enabled() && timer.Interval() > 0) {
    qtimer_.start(timer.Interval());
  } else {
    qtimer_.stop();
  }
}

}  // namespace slumbrix
