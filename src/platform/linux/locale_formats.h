#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace slumbrix {

// Converts a strftime format as the C library's locale data gives it (D_FMT, T_FMT) into the
// picture notation of LocaleFormats: %d -> dd, %m -> MM, %Y -> yyyy, %H -> HH, %p -> tt, and so
// on; %D, %T, %R and %r are expanded first. Literal text that holds letters is quoted. Nothing
// when the format uses a conversion that has no picture.
std::optional<std::string> pictureFromStrftime(std::string_view format);

// The formats of a locale given by its raw C library strings; a format that cannot be
// converted falls back to the US English one.
LocaleFormats localeFormatsFrom(std::string_view dateFormat, std::string_view timeFormat,
                                std::string_view am, std::string_view pm);

// The formats of the process's current locale (LC_TIME).
LocaleFormats currentLocaleFormats();

}  // namespace slumbrix
