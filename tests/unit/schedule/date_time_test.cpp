#include "schedule/date_time.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/headless_window_system.h"

namespace slumbrix {
namespace {

using datetime::fromParts;

// US English, as the tests pin it.
const LocaleFormats kUs{};

std::string text(DateTime moment) {
  return datetime::format(moment, "yyyy-MM-dd HH:mm:ss", kUs);
}

TEST(DateTime, SerialDaysCountFromTheThirtiethOfDecember1899) {
  struct Row {
    int year, month, day;
    std::int64_t serial;
  };
  const Row rows[] = {
      {1899, 12, 30, 0},   {1899, 12, 31, 1},       {1900, 1, 1, 2},      {1900, 2, 28, 60},
      {1900, 3, 1, 61},    {2000, 1, 1, 36526},     {2026, 12, 6, 46362}, {2028, 2, 29, 46812},
      {2100, 3, 1, 73110}, {9999, 12, 31, 2958465},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(datetime::serialDay(row.year, row.month, row.day), row.serial) << row.serial;
    int y = 0, m = 0, d = 0;
    datetime::civilDate(row.serial, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, row.year * 10000 + row.month * 100 + row.day);
    EXPECT_EQ(fromParts(row.year, row.month, row.day).value, static_cast<double>(row.serial));
  }
  EXPECT_EQ(fromParts(2026, 12, 6, 12).value, 46362.5);
}

TEST(DateTime, AddingRollsOverDaysMonthsYearsAndLeapDays) {
  struct Row {
    DateTime from;
    const char* interval;
    std::int64_t number;
    const char* expected;
  };
  const Row rows[] = {
      {fromParts(2026, 12, 6, 23, 59, 59), "s", 1, "2026-12-07 00:00:00"},
      {fromParts(2026, 4, 30, 23, 59, 59), "s", 1, "2026-05-01 00:00:00"},
      {fromParts(2026, 12, 31, 23, 59, 59), "s", 1, "2027-01-01 00:00:00"},
      {fromParts(2028, 2, 28, 23, 59, 59), "s", 1, "2028-02-29 00:00:00"},
      {fromParts(2028, 2, 29, 23, 59, 59), "s", 1, "2028-03-01 00:00:00"},
      {fromParts(2027, 2, 28, 23, 59, 59), "s", 1, "2027-03-01 00:00:00"},
      {fromParts(2100, 2, 28, 23, 59, 59), "s", 1, "2100-03-01 00:00:00"},
      {fromParts(2000, 2, 28, 12, 0, 0), "d", 1, "2000-02-29 12:00:00"},
      {fromParts(2026, 12, 6, 23, 30, 0), "h", 1, "2026-12-07 00:30:00"},
      {fromParts(2026, 12, 6, 14, 20, 37), "n", 5, "2026-12-06 14:25:37"},
      {fromParts(2026, 12, 6, 10, 0, 0), "s", 5, "2026-12-06 10:00:05"},
      {fromParts(2026, 12, 6, 10, 0, 0), "h", 999, "2027-01-17 01:00:00"},
      {fromParts(2026, 12, 6, 10, 0, 0), "n", 999, "2026-12-07 02:39:00"},
      {fromParts(2026, 12, 6, 10, 0, 0), "x", 5, "2026-12-06 10:00:00"},
      {fromParts(2026, 12, 7, 0, 0, 0), "s", -1, "2026-12-06 23:59:59"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(text(datetime::add(row.interval, row.number, row.from)), row.expected)
        << text(row.from) << " + " << row.number << row.interval;
}

TEST(DateTime, NineHundredNinetyNineHoursAreFortyOneDaysAndFifteenHours) {
  const DateTime start = fromParts(2026, 12, 6, 10, 0, 0);
  const DateTime target = datetime::add("h", 999, start);
  EXPECT_EQ(datetime::secondsBetween(start, target), 999 * 3600);
  EXPECT_EQ(target, datetime::add("h", 15, datetime::add("d", 41, start)));
}

TEST(DateTime, SecondByStepsNeverDrift) {
  // A countdown reads the difference every tick; stepping a second at a time across two
  // midnights must land exactly where one jump does.
  const DateTime start = fromParts(2026, 12, 6, 21, 4, 59);
  DateTime stepped = start;
  for (int i = 0; i < 2 * 86400; ++i) stepped = datetime::add("s", 1, stepped);
  EXPECT_EQ(stepped, datetime::add("d", 2, start));
  EXPECT_EQ(datetime::secondsBetween(start, stepped), 2 * 86400);
}

TEST(DateTime, SecondsBetweenAndComparison) {
  const DateTime a = fromParts(2026, 12, 6, 21, 4, 59);
  const DateTime b = fromParts(2026, 12, 6, 21, 5, 0);
  EXPECT_EQ(datetime::secondsBetween(a, b), 1);
  EXPECT_EQ(datetime::secondsBetween(b, a), -1);
  EXPECT_EQ(datetime::secondsBetween(a, a), 0);
  EXPECT_EQ(datetime::secondsBetween(fromParts(2027, 1, 1), fromParts(2028, 1, 1)), 365 * 86400);
  EXPECT_EQ(datetime::secondsBetween(fromParts(2028, 1, 1), fromParts(2029, 1, 1)), 366 * 86400);
  EXPECT_LT(a.value, b.value);
  EXPECT_EQ(datetime::dateOf(b), fromParts(2026, 12, 6));
}

TEST(DateTime, FormatsWithLocalePictures) {
  const LocaleFormats german{"dd.MM.yyyy", "HH:mm:ss", "", ""};
  const DateTime evening = fromParts(2026, 12, 6, 23, 45, 0);
  const DateTime morning = fromParts(2009, 3, 4, 7, 8, 9);
  struct Row {
    DateTime moment;
    const char* picture;
    const char* expected;
  };
  const Row rows[] = {
      {evening, "M/d/yyyy", "12/6/2026"},     {morning, "M/d/yyyy", "3/4/2009"},
      {morning, "MM/dd/yy", "03/04/09"},      {morning, "dd.MM.yyyy", "04.03.2009"},
      {evening, "HH:mm:ss", "23:45:00"},      {morning, "HH:mm:ss", "07:08:09"},
      {evening, "h:mm:ss tt", "11:45:00 PM"}, {morning, "h:mm:ss tt", "7:08:09 AM"},
      {morning, "hh:mm t", "07:08 A"},        {morning, "'Time' H.m", "Time 7.8"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(datetime::format(row.moment, row.picture, kUs), row.expected) << row.picture;
  EXPECT_EQ(datetime::formatGeneral(evening, german), "06.12.2026 23:45:00");
}

TEST(DateTime, GeneralFormatLeavesOutAMidnightTime) {
  struct Row {
    DateTime moment;
    const char* expected;
  };
  const Row rows[] = {
      {fromParts(2026, 12, 6, 23, 45, 0), "12/6/2026 11:45:00 PM"},
      {fromParts(2026, 12, 7, 0, 0, 0), "12/7/2026"},
      {fromParts(2026, 12, 7, 0, 0, 1), "12/7/2026 12:00:01 AM"},
      {fromParts(2026, 12, 7, 12, 0, 0), "12/7/2026 12:00:00 PM"},
      {datetime::add("s", 1, fromParts(2026, 12, 6, 23, 59, 59)), "12/7/2026"},
  };
  for (const Row& row : rows) EXPECT_EQ(datetime::formatGeneral(row.moment, kUs), row.expected);
}

TEST(DateTime, ClockPatternUsesTheTwelveHourClock) {
  const LocaleFormats none{"M/d/yyyy", "HH:mm:ss", "", ""};
  const LocaleFormats own{"M/d/yyyy", "h:mm:ss tt", "vorm.", "nachm."};
  struct Row {
    int hour, minute, second;
    const LocaleFormats* locale;
    const char* expected;
  };
  const Row rows[] = {
      {0, 15, 30, &kUs, "12:15:30 AM"},    {12, 15, 30, &kUs, "12:15:30 PM"},
      {21, 5, 7, &kUs, "09:05:07 PM"},     {1, 0, 0, &kUs, "01:00:00 AM"},
      {11, 59, 59, &kUs, "11:59:59 AM"},   {23, 59, 59, &kUs, "11:59:59 PM"},
      {9, 5, 7, &none, "09:05:07 AM"},     {21, 5, 7, &none, "09:05:07 PM"},
      {21, 5, 7, &own, "09:05:07 nachm."},
  };
  for (const Row& row : rows)
    EXPECT_EQ(datetime::formatClock(fromParts(2026, 12, 6, row.hour, row.minute, row.second),
                                    *row.locale),
              row.expected);
}

TEST(DateTime, ParsesADateWithATwelveHourTime) {
  struct Row {
    const char* text;
    const char* expected;  // nullptr: refused
  };
  const Row rows[] = {
      {"12/6/2026 9:05PM", "2026-12-06 21:05:00"},
      {"12/6/2026 12:00AM", "2026-12-06 00:00:00"},
      {"12/6/2026 12:30PM", "2026-12-06 12:30:00"},
      {"12/6/2026 12:30AM", "2026-12-06 00:30:00"},
      {"12/6/2026 1:00pm", "2026-12-06 13:00:00"},
      {"12/6/2026 11:59 am", "2026-12-06 11:59:00"},
      {"12/6/2026 11:45:00 PM", "2026-12-06 23:45:00"},
      {"12/6/2026 21:05", "2026-12-06 21:05:00"},
      {"12/6/2026", "2026-12-06 00:00:00"},
      {"2/29/2028 1:00AM", "2028-02-29 01:00:00"},
      {"13/40/2026", nullptr},
      {"2/29/2000 1:00AM", "2000-02-29 01:00:00"},
      {"2/29/2027 1:00AM", nullptr},
      {"2/29/2100 1:00AM", nullptr},
      {"12/6/2026 13:05PM", nullptr},
      {"12/6/2026 9:60PM", nullptr},
      {"12/6/2026 24:00", nullptr},
      {"12/6/2026 9:05XM", nullptr},
      {"12/6/2026 PM", nullptr},
      {"", nullptr},
      {"garbage", nullptr},
      {"123456789012345678901234567890", nullptr},
      {"12/6/123456789012345678901234567890 9:05PM", nullptr},
  };
  for (const Row& row : rows) {
    const std::optional<DateTime> read = datetime::parse(row.text, kUs);
    EXPECT_EQ(read ? text(*read) : "refused", row.expected ? row.expected : "refused") << row.text;
  }
}

TEST(DateTime, ParseReadsTheFormattedDateBack) {
  // The clock-time target is formed from today's general date text; reading it back in the
  // locale's own order must give the same day.
  const LocaleFormats german{"dd.MM.yyyy", "HH:mm:ss", "", ""};
  const DateTime today = fromParts(2026, 12, 6);
  for (const LocaleFormats* locale : {&kUs, &german}) {
    const std::string formed = datetime::formatGeneral(today, *locale) + " 9:05PM";
    const std::optional<DateTime> read = datetime::parse(formed, *locale);
    ASSERT_TRUE(read.has_value()) << formed;
    EXPECT_EQ(text(*read), "2026-12-06 21:05:00") << formed;
  }
}

TEST(VirtualClock, SetAndNowRoundTripWithMilliseconds) {
  test::VirtualClock clock;
  const LocalTime set{2026, 12, 6, 10, 0, 0, 200};
  clock.set(set);
  LocalTime now = clock.now();
  EXPECT_EQ(now.year, 2026);
  EXPECT_EQ(now.month, 12);
  EXPECT_EQ(now.day, 6);
  EXPECT_EQ(now.hour, 10);
  EXPECT_EQ(now.second, 0);
  EXPECT_EQ(now.millisecond, 200);
  EXPECT_EQ(clock.milliseconds(), 46362LL * 86400000 + 36000000 + 200);

  clock.setMilliseconds(clock.milliseconds() + 50399800);  // to midnight of the next day
  now = clock.now();
  EXPECT_EQ(datetime::fromLocalTime(now), fromParts(2026, 12, 7));
  EXPECT_EQ(now.millisecond, 0);
}

}  // namespace
}  // namespace slumbrix
