#pragma once

#include <cstdint>
#include <string>

namespace slumbrix {

// Position and size of a control in twips, relative to its container.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A colour as red, green and blue; colorRef() gives the Windows 0x00BBGGRR value.
struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  static constexpr Color fromRgb(std::uint32_t rgb) {
    return Color{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                 static_cast<std::uint8_t>(rgb)};
  }
  constexpr std::uint32_t rgb() const {
    return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
  }
  constexpr std::uint32_t colorRef() const {
    return (std::uint32_t{blue} << 16) | (std::uint32_t{green} << 8) | red;
  }
  friend constexpr bool operator==(Color, Color) = default;
};

// A font as data; an empty name means the window's default font.
struct Font {
  std::string name;
  double sizePoints = 8.25;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class Alignment { Left, Center, Right };

enum class BorderStyle { None, Fixed3D };

}  // namespace slumbrix
