#pragma once

#include <QString>

#include <string>

namespace slumbrix {

// The model holds text in the system's narrow encoding, one character a byte; on Linux that is
// Latin-1. Characters outside it arrive as '?'.
inline QString fromAnsi(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toAnsi(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) out += c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
  return out;
}

}  // namespace slumbrix
