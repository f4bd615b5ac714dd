#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace slumbrix {

// On Linux the program's text (the locale's date and time words, the tray tooltip, the
// captions) is in the locale's character set, which Qt reads as UTF-8 on Linux.

// Decodes such text. A character cut off at the end (a tooltip cut after so many bytes) is
// left out; an invalid sequence elsewhere shows as the replacement character.
QString fromLocaleText(std::string_view text);
std::string toLocaleText(const QString& text);

}  // namespace slumbrix
