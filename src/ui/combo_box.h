#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace slumbrix {

// A drop-down list: its text is always one of its items, or empty when none is chosen.
class ComboBox : public Control {
 public:
  explicit ComboBox(std::string name) : Control(ControlKind::ComboBox, std::move(name)) {}

  void addItem(std::string item, std::int32_t itemData = 0);
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  std::int32_t ItemData(int index) const { return data_.at(static_cast<std::size_t>(index)); }
  int ListIndex() const { return listIndex_; }
  // -1 chooses nothing; other values outside the list are ignored.
  void setListIndex(int index);

  // The chosen item, "" when none.
  std::string Text() const;
  // Chooses the first item equal to text; a text that is no item changes nothing.
  void setText(const std::string& text);

  std::function<void()> Click;
  bool choose(int index);  // user input

 private:
  std::vector<std::string> items_;
  std::vector<std::int32_t> data_;
  int listIndex_ = -1;
};

}  // namespace slumbrix
