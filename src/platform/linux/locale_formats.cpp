#include "platform/linux/locale_formats.h"

#include <langinfo.h>

namespace slumbrix {
namespace {

// The picture of one conversion character; empty when it has none.
std::string_view pictureOf(char conversion) {
  switch (conversion) {
    case 'd':
      return "dd";
    case 'e':
      return "d";
    case 'm':
      return "MM";
    case 'y':
      return "yy";
    case 'Y':
      return "yyyy";
    case 'H':
      return "HH";
    case 'k':
      return "H";
    case 'I':
      return "hh";
    case 'l':
      return "h";
    case 'M':
      return "mm";
    case 'S':
      return "ss";
    case 'p':
      return "tt";
    default:
      return {};
  }
}

// The composite conversions, in terms of the simple ones.
std::string_view expansionOf(char conversion) {
  switch (conversion) {
    case 'D':
      return "%m/%d/%y";
    case 'T':
      return "%H:%M:%S";
    case 'R':
      return "%H:%M";
    case 'r':
      return "%I:%M:%S %p";
    default:
      return {};
  }
}

bool isAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Literal text in the picture: quoted when it holds a letter or a quote, which would otherwise
// be read as part of a picture.
void appendLiteral(std::string& out, const std::string& literal) {
  bool quote = false;
  for (char c : literal) quote = quote || isAsciiLetter(c) || c == '\'';
  if (!quote) {
    out += literal;
    return;
  }
  out += '\'';
  for (char c : literal) out += c == '\'' ? std::string("''") : std::string(1, c);
  out += '\'';
}

bool convert(std::string_view format, std::string& out, std::string& literal, int depth) {
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      literal += format[i];
      continue;
    }
    if (++i == format.size()) return false;
    const char conversion = format[i];
    if (conversion == '%') {
      literal += '%';
    } else if (conversion == 't' || conversion == 'n') {
      literal += ' ';
    } else if (!expansionOf(conversion).empty() && depth == 0) {
      if (!convert(expansionOf(conversion), out, literal, depth + 1)) return false;
    } else if (!pictureOf(conversion).empty()) {
      appendLiteral(out, literal);
      literal.clear();
      out += pictureOf(conversion);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::string> pictureFromStrftime(std::string_view format) {
  std::string out;
  std::string literal;
  if (format.empty() || !convert(format, out, literal, 0)) return std::nullopt;
  appendLiteral(out, literal);
  return out;
}

LocaleFormats localeFormatsFrom(std::string_view dateFormat, std::string_view timeFormat,
                                std::string_view am, std::string_view pm) {
  LocaleFormats formats;
  const auto date = pictureFromStrftime(dateFormat);
  const auto time = pictureFromStrftime(timeFormat);
  if (date) formats.shortDate = *date;
  if (time) {
    formats.longTime = *time;
    formats.am = std::string(am);
    formats.pm = std::string(pm);
  }
  return formats;
}

LocaleFormats currentLocaleFormats() {
  return localeFormatsFrom(nl_langinfo(D_FMT), nl_langinfo(T_FMT), nl_langinfo(AM_STR),
                           nl_langinfo(PM_STR));
}

}  // namespace slumbrix
