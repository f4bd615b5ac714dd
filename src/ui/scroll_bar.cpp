#include "ui/scroll_bar.h"

#include <algorithm>

namespace slumbrix {
namespace {

constexpr int kMaxChangeDepth = 64;

}  // namespace

void VScrollBar::setRange(std::int16_t min, std::int16_t max) {
  min_ = min;
  max_ = max;
  notify(Property::Range);
  setValue(value_);
}

std::int16_t VScrollBar::clamp(std::int32_t value) const {
  const std::int32_t low = std::min(min_, max_);
  const std::int32_t high = std::max(min_, max_);
  return static_cast<std::int16_t>(std::clamp(value, low, high));
}

void VScrollBar::setValue(std::int16_t value) {
  const std::int16_t clamped = clamp(value);
  if (clamped == value_) return;
  value_ = clamped;
  notify(Property::Value);
  if (Change && changeDepth_ < kMaxChangeDepth) {
    ++changeDepth_;
    Change();
    --changeDepth_;
  }
}

bool VScrollBar::step(std::int32_t towards, std::int32_t change) {
  if (!isUsable()) return false;
  const std::int32_t delta = towards >= value_ ? change : -change;
  const std::int32_t next = value_ + delta;
  // Never step past the end the arrow points to.
  const std::int32_t bounded = delta > 0 ? std::min(next, towards) : std::max(next, towards);
  setValue(clamp(bounded));
  return true;
}

bool VScrollBar::arrowUp() {
  return step(min_, SmallChange);
}
bool VScrollBar::arrowDown() {
  return step(max_, SmallChange);
}
bool VScrollBar::pageUp() {
  return step(min_, LargeChange);
}
bool VScrollBar::pageDown() {
  return step(max_, LargeChange);
}

}  // namespace slumbrix
