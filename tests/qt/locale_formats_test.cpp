#include "platform/linux/locale_formats.h"

#include <gtest/gtest.h>

namespace slumbrix {
namespace {

TEST(LocaleFormats, StrftimeBecomesAPicture) {
  struct Row {
    const char* format;
    const char* picture;  // null: no picture
  };
  const Row rows[] = {
      {"%m/%d/%y", "MM/dd/yy"},    // C: D_FMT
      {"%H:%M:%S", "HH:mm:ss"},    // C: T_FMT
      {"%m/%d/%Y", "MM/dd/yyyy"},  // en_US: D_FMT
      {"%r", "hh:mm:ss tt"},       // en_US: T_FMT
      {"%d.%m.%Y", "dd.MM.yyyy"},  // de_DE: D_FMT
      {"%T", "HH:mm:ss"},          // de_DE: T_FMT
      {"%D", "MM/dd/yy"},         {"%R", "HH:mm"},         {"%e.%m.%Y", "d.MM.yyyy"},
      {"%l:%M %p", "h:mm tt"},    {"%k h %M", "H' h 'mm"},  // a letter in literal text is quoted
      {"%Y-%m-%d", "yyyy-MM-dd"}, {"%d %% %m", "dd % MM"}, {"%H'%M", "HH''''mm"},
      {"%a %d %b", nullptr},  // names of days and months have no picture here
      {"%m/%d/%", nullptr},       {"", nullptr},
  };
  for (const Row& row : rows) {
    const auto picture = pictureFromStrftime(row.format);
    if (row.picture == nullptr) {
      EXPECT_FALSE(picture) << row.format;
    } else {
      EXPECT_EQ(picture.value_or("(none)"), row.picture) << row.format;
    }
  }
}

TEST(LocaleFormats, UsEnglishWhereALocaleCannotBeRead) {
  const LocaleFormats german = localeFormatsFrom("%d.%m.%Y", "%T", "", "");
  EXPECT_EQ(german.shortDate, "dd.MM.yyyy");
  EXPECT_EQ(german.longTime, "HH:mm:ss");
  EXPECT_EQ(german.am, "");
  EXPECT_EQ(german.pm, "");

  const LocaleFormats odd = localeFormatsFrom("%a %x", "%X", "vorm.", "nachm.");
  EXPECT_EQ(odd.shortDate, "M/d/yyyy");
  EXPECT_EQ(odd.longTime, "h:mm:ss tt");
  EXPECT_EQ(odd.am, "AM");
  EXPECT_EQ(odd.pm, "PM");
}

}  // namespace
}  // namespace slumbrix
