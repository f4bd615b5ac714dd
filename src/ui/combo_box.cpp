#include "ui/combo_box.h"

namespace slumbrix {

void ComboBox::addItem(std::string item, std::int32_t itemData) {
  items_.push_back(std::move(item));
  data_.push_back(itemData);
  notify(Property::List);
}

void ComboBox::setListIndex(int index) {
  if (index < -1 || index >= ListCount() || index == listIndex_) return;
  listIndex_ = index;
  notify(Property::ListIndex);
  if (Click) Click();
}

std::string ComboBox::Text() const {
  return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
}

void ComboBox::setText(const std::string& text) {
  for (int i = 0; i < ListCount(); ++i) {
    if (items_[static_cast<std::size_t>(i)] == text) {
      setListIndex(i);
      return;
    }
  }
}

bool ComboBox::choose(int index) {
  if (!isUsable() || index < 0 || index >= ListCount()) return false;
  setListIndex(index);
  return true;
}

}  // namespace slumbrix
