#include "ui/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace slumbrix {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double leadingNumber(std::string_view text) {
  std::string number;
  bool point = false;
  for (char c : text) {
    if (isBlank(c)) continue;
    if (isDigit(c) || (c == '.' && !point)) {
      point = point || c == '.';
      number += c;
      continue;
    }
    break;
  }
  if (number.empty() || number == ".") return 0.0;
  if (number.front() == '.') number.insert(0, 1, '0');
  if (number.back() == '.') number.pop_back();
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) return std::numeric_limits<double>::infinity();
  return value;
}

std::int64_t roundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 9.2e18;
  if (value >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::nearbyint(value));  // default rounding mode: to even
}

std::int16_t roundToInt16(double value) {
  const std::int64_t n = roundHalfEven(value);
  if (n > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  if (n < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(n);
}

std::string plainDecimal(std::int64_t value) {
  return std::to_string(value);
}

std::string twoDigits(std::int64_t value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

}  // namespace slumbrix
