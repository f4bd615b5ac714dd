#include "ui/text_box.h"

#include <algorithm>

namespace slumbrix {
namespace {

// Deeper nesting than this can only come from handlers that never settle; the change is
// still made, but its handler is not run again.
constexpr int kMaxChangeDepth = 64;

}  // namespace

void TextBox::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = static_cast<int>(text_.size());
  selLength_ = 0;
  notify(Property::Text);
  if (Change && changeDepth_ < kMaxChangeDepth) {
    ++changeDepth_;
    Change();
    --changeDepth_;
  }
}

void TextBox::setMaxLength(int maxLength) {
  maxLength_ = std::max(0, maxLength);
  notify(Property::MaxLength);
}

void TextBox::setLocked(bool locked) {
  locked_ = locked;
  notify(Property::Locked);
}

void TextBox::setSelStart(int start) {
  selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
  selLength_ = 0;
  notify(Property::Selection);
}

bool TextBox::select(int start, int length) {
  if (!isUsable()) return false;
  const int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
  notify(Property::Selection);
  return true;
}

void TextBox::edit(std::string text, int caret) {
  setText(std::move(text));
  // setText may have run handlers that rewrote the text; keep the caret inside it.
  selStart_ = std::clamp(caret, 0, static_cast<int>(text_.size()));
  selLength_ = 0;
  notify(Property::Selection);
}

bool TextBox::typeChar(std::int16_t keyAscii) {
  if (!isUsable()) return false;
  if (KeyPress) KeyPress(keyAscii);
  if (keyAscii == 0 || locked_) return false;
  std::string text = text_;
  if (keyAscii == kBackspace) {
    if (selLength_ > 0) {
      text.erase(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
      edit(std::move(text), selStart_);
    } else if (selStart_ > 0) {
      text.erase(static_cast<std::size_t>(selStart_ - 1), 1);
      edit(std::move(text), selStart_ - 1);
    }
    return true;
  }
  if (keyAscii < 32 || keyAscii > 255) return false;  // control keys insert nothing
  return paste(std::string(1, static_cast<char>(keyAscii)));
}

bool TextBox::pressDelete() {
  if (!isUsable() || locked_) return false;
  std::string text = text_;
  if (selLength_ > 0) {
    text.erase(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
  } else if (selStart_ < static_cast<int>(text.size())) {
    text.erase(static_cast<std::size_t>(selStart_), 1);
  } else {
    return true;
  }
  edit(std::move(text), selStart_);
  return true;
}

bool TextBox::paste(const std::string& insert) {
  if (!isUsable() || locked_) return false;
  std::string text = text_;
  text.erase(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
  std::string piece = insert;
  if (maxLength_ > 0) {
    const auto room =
        static_cast<std::size_t>(std::max(0, maxLength_ - static_cast<int>(text.size())));
    if (piece.size() > room) piece.resize(room);
  }
  if (piece.empty() && !insert.empty()) return false;
  text.insert(static_cast<std::size_t>(selStart_), piece);
  edit(std::move(text), selStart_ + static_cast<int>(piece.size()));
  return true;
}

bool TextBox::replaceText(const std::string& text) {
  return selectAll() && paste(text);
}

}  // namespace slumbrix
