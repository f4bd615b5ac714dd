#include "ui/text_box.h"

#include <algorithm>

#include "ui/form.h"

namespace slumbrix {
namespace {

// Deeper nesting than this can only come from handlers that never settle; the change is
// still made, but its handler is not run again.
constexpr int kMaxChangeDepth = 64;

// Clipboard text as a field takes it: a one-line field its first line, a field of several
// lines every line, each ended CR LF.
std::string pastedText(std::string text, bool multiLine) {
  if (!multiLine) return text.substr(0, text.find_first_of("\r\n"));
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) lines += '\r';
    lines += text[i];
  }
  return lines;
}

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
  switch (keyAscii) {
    case 0:
      return false;  // discarded by KeyPress
    case kCtrlA:
      return selectAll();
    case kCtrlC:
      return copy();
    case kCtrlV:
      return pasteClipboard();
    case kCtrlX:
      return cut();
    default:
      break;
  }
  if (locked_) return false;
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
  if (keyAscii == kEnter && multiLine) return paste("\r\n");
  if (keyAscii < 32 || keyAscii > 255) return false;  // other control keys insert nothing
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

WindowSystem* TextBox::windowSystem() {
  Form* owner = form();
  return owner == nullptr ? nullptr : &owner->windowSystem();
}

bool TextBox::copy() {
  WindowSystem* ws = windowSystem();
  if (!isUsable() || selLength_ == 0 || ws == nullptr) return false;
  ws->setClipboardText(
      text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_)));
  return true;
}

bool TextBox::cut() {
  if (locked_ || !copy()) return false;
  return pressDelete();
}

TextBox::EditCommands TextBox::editCommands() {
  EditCommands commands;
  if (!isUsable()) return commands;
  const bool selection = selLength_ > 0;
  WindowSystem* ws = windowSystem();
  commands.cut = !locked_ && selection;
  commands.copy = selection;
  commands.paste = !locked_ && ws != nullptr && !pastedText(ws->clipboardText(), multiLine).empty();
  commands.remove = !locked_ && selection;
  commands.selectAll = !text_.empty();
  return commands;
}

bool TextBox::pasteClipboard() {
  WindowSystem* ws = windowSystem();
  if (!isUsable() || locked_ || ws == nullptr) return false;
  const std::string text = pastedText(ws->clipboardText(), multiLine);
  // An empty clipboard (or an empty first line) leaves the selection in place.
  return !text.empty() && paste(text);
}

}  // namespace slumbrix
