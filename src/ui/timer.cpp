#include "ui/timer.h"

#include <algorithm>

namespace slumbrix {

void Timer::setInterval(int milliseconds) {
  interval_ = std::max(0, milliseconds);
  notify(Property::Interval);
}

bool Timer::running() const {
  return Enabled() && interval_ > 0;
}

void Timer::tick() {
  if (running() && Tick) Tick();
}

}  // namespace slumbrix
