#pragma once

#include <QString>

#include <string>

#include "platform/linux/locale_text.h"

namespace slumbrix {

// The model holds text in the system's narrow encoding; on Linux that is the locale's
// character set (UTF-8).
inline QString fromAnsi(const std::string& text) {
  return fromLocaleText(text);
}

inline std::string toAnsi(const QString& text) {
  return toLocaleText(text);
}

}  // namespace slumbrix
