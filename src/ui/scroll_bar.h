#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/control.h"

namespace slumbrix {

// A vertical scroll bar used as a spin button. Min is the value at the top (reached by the up
// arrow) and Max the value at the bottom; either may be the larger. Assigning a different
// Value runs Change at once, nested; assigning the value it holds runs nothing. Values
// outside the range are brought to the nearer end.
class VScrollBar : public Control {
 public:
  explicit VScrollBar(std::string name) : Control(ControlKind::VScrollBar, std::move(name)) {}

  std::int16_t Min() const { return min_; }
  std::int16_t Max() const { return max_; }
  void setRange(std::int16_t min, std::int16_t max);
  std::int16_t Value() const { return value_; }
  void setValue(std::int16_t value);
  std::int16_t SmallChange = 1;
  std::int16_t LargeChange = 1;

  std::function<void()> Change;

  // User input: one arrow click. Up moves toward Min, down toward Max; at the end nothing
  // happens. Returns false when the bar is not usable.
  bool arrowUp();
  bool arrowDown();
  // User input: one page step (a click in the track, Page Up or Page Down). Moves LargeChange
  // toward Min (up) or Max (down) in one change, never past the end.
  bool pageUp();
  bool pageDown();

 private:
  std::int16_t clamp(std::int32_t value) const;
  bool step(std::int32_t towards, std::int32_t change);

  std::int16_t min_ = 0;
  std::int16_t max_ = 32767;
  std::int16_t value_ = 0;
  int changeDepth_ = 0;
};

}  // namespace slumbrix
