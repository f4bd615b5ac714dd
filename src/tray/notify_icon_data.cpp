#include "tray/notify_icon_data.h"

namespace slumbrix {
namespace {

void put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

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
  std::array<std::uint8_t, kSize> bytes{};
  put32(&bytes[0], cbSize);
  put32(&bytes[4], hWnd);
  put32(&bytes[8], uID);
  put32(&bytes[12], uFlags);
  put32(&bytes[16], uCallbackMessage);
  put32(&bytes[20], hIcon);
  for (std::size_t i = 0; i < kTipLength && i < szTip.size(); ++i)
    bytes[24 + i] = static_cast<std::uint8_t>(szTip[i]);
  return bytes;
}

}  // namespace slumbrix
