// Builds the tray record from arbitrary tooltip texts: the record is always 88 bytes, the tip
// field 64 characters with its NUL inside, and the shown text a prefix of the given one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tray/notify_icon_data.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  slumbrix::NotifyIconData record;
  record.setTip(text);
  check(record.szTip.size() == slumbrix::NotifyIconData::kTipLength);
  const auto nul = record.szTip.find('\0');
  check(nul != std::string::npos && nul <= 63);
  check(text.compare(0, record.tipText().size(), record.tipText()) == 0);
  const auto bytes = record.toBytes();
  check(bytes.size() == 88);
  // The first 63 characters as given (an embedded NUL ends the shown text early), the NUL,
  // then blanks.
  const std::string kept = text.substr(0, 63);
  for (std::size_t i = 0; i < kept.size(); ++i)
    check(bytes[24 + i] == static_cast<std::uint8_t>(kept[i]));
  check(bytes[24 + kept.size()] == 0);
  for (std::size_t i = 24 + kept.size() + 1; i < 88; ++i) check(bytes[i] == ' ');
  return 0;
}
