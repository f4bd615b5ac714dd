#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace slumbrix {

// An invisible timer. While Enabled, the window system calls tick() every Interval
// milliseconds; enabling (again) or changing the interval starts a fresh interval.
class Timer : public Control {
 public:
  explicit Timer(std::string name) : Control(ControlKind::Timer, std::move(name)) {}

  int Interval() const { return interval_; }
  void setInterval(int milliseconds);

  std::function<void()> Tick;
  // Called by the window system; runs Tick only while enabled.
  void tick();

 private:
  int interval_ = 0;
};

}  // namespace slumbrix
