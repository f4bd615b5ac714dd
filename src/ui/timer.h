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

  // Whether the window system may move each tick by up to a twentieth of the interval, so that
  // timers ticking at about the same moments share one wake-up. Timers whose ticks are shown
  // to the user but decide nothing (a clock, a meter) allow it; by default every tick comes on
  // time.
  bool coarse = false;

  // Whether the timer runs: Enabled with an Interval above 0. The window system keeps a real
  // timer going exactly while this holds.
  bool running() const;

  std::function<void()> Tick;
  // Called by the window system; runs Tick only while the timer runs.
  void tick();

 private:
  int interval_ = 0;
};

}  // namespace slumbrix
