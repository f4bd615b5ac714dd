#include "tray/notify_icon_data.h"

#include "platform/byte_record.h"

namespace slumbrix {

void NotifyIconData::setTip(std::string_view text) {
  // The shell reads the tip up to its NUL, so the NUL must stay inside the 64-byte field:
  // a longer text keeps its first 63 characters.
  szTip.assign(text.substr(0, kTipLength - 1));
  szTip += '\0';
  szTip.resize(kTipLength, ' ');
}

std::string NotifyIconData::tipText() const {
  return szTip.substr(0, szTip.find('\0'));
}

std::array<std::uint8_t, NotifyIconData::kSize> NotifyIconData::toBytes() const {
  using L = NotifyIconDataLayout;
  std::array<std::uint8_t, kSize> bytes{};
  record::writeU32(bytes, L::kCbSize, cbSize);
  record::writeU32(bytes, L::kHWnd, hWnd);
  record::writeU32(bytes, L::kUID, uID);
  record::writeU32(bytes, L::kUFlags, uFlags);
  record::writeU32(bytes, L::kUCallbackMessage, uCallbackMessage);
  record::writeU32(bytes, L::kHIcon, hIcon);
  record::writeChars(bytes, L::kSzTip, L::kTipLength, szTip);
  return bytes;
}

}  // namespace slumbrix
