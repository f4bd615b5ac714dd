#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/windows_values.h"

namespace slumbrix {

// The tray icon's record, NOTIFYICONDATA in its 88-byte ANSI form.
struct NotifyIconData {
  static constexpr std::size_t kSize = NotifyIconDataLayout::kSize;
  static constexpr std::size_t kTipLength = NotifyIconDataLayout::kTipLength;

  std::uint32_t cbSize = 0;
  Handle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  Handle hIcon = 0;
  // Always 64 characters: the text, a NUL, then blanks.
  std::string szTip = std::string(kTipLength, ' ');

  // Stores a tooltip: the text (cut to 63 characters, so the NUL always stays inside the
  // field), a NUL, and blanks up to 64 characters.
  void setTip(std::string_view text);
  // The text the shell shows: szTip up to its NUL.
  std::string tipText() const;
  // The record as the shell takes it: little-endian, the tip as bytes.
  std::array<std::uint8_t, kSize> toBytes() const;
};

}  // namespace slumbrix
