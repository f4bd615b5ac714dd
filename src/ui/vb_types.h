#pragma once

#include <cstdint>

namespace slumbrix {

// The program's booleans are 16-bit: true is -1 (all bits set), false is 0, and any value
// other than 0 counts as true where one is read.
using VbBool = std::int16_t;
inline constexpr VbBool kVbTrue = -1;
inline constexpr VbBool kVbFalse = 0;

constexpr VbBool toVb(bool value) {
  return value ? kVbTrue : kVbFalse;
}
constexpr bool isTrue(std::int32_t value) {
  return value != 0;
}

// Widens a boolean to a 32-bit platform argument by sign extension: true becomes 0xFFFFFFFF.
constexpr std::uint32_t widen(VbBool value) {
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

}  // namespace slumbrix
