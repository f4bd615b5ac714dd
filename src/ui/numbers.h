#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace slumbrix {

// The leading-number reading of a text: blanks (space, tab, line feed) are skipped wherever
// they stand; then decimal digits, optionally one "." and fraction digits, up to the first
// character that cannot continue the number. No number at the start reads as 0.
// "12a" reads 12, "abc" 0, ".5" 0.5, " 1 2" 12. Very long digit runs saturate to infinity.
double leadingNumber(std::string_view text);

// Rounds to the nearest integer, a half going to the even neighbour (0.5 -> 0, 1.5 -> 2),
// saturating at the limits of the 64-bit range; NaN gives 0.
std::int64_t roundHalfEven(double value);

// The same, clamped into the 16-bit range the spin values hold.
std::int16_t roundToInt16(double value);

// The shortest decimal form: no leading zeros, no blank, a minus sign when negative.
std::string plainDecimal(std::int64_t value);

// The value written with at least two digits, zero-padded ("00", "07", "59").
std::string twoDigits(std::int64_t value);

}  // namespace slumbrix
