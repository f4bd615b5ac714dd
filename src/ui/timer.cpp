#include "ui/timer.h"

#include <algorithm>

namespace slumbrix {

void Timer::setInterval(int milliseconds) {
  interval_ = std::max(0, milliseconds);
  notify(Property::Interval);
}

void Timer::tick() {
  if (Enabled() && interval_ > 0 && Tick) Tick();
}

}  // namespace slumbrix
