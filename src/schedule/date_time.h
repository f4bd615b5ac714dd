#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace slumbrix {

// A date-time: days since 30 December 1899 00:00, local wall-clock time without time zone,
// whose fraction is the time of day. The program works in whole seconds; every calculation
// goes through the whole-second count, so adding and comparing are exact.
struct DateTime {
  double value = 0.0;
  // Moments are equal when they fall on the same whole second. Comparing the whole-second
  // counts, not the doubles, keeps equality exact where the x87 unit of the 32-bit Windows
  // build holds one side with more precision than the other.
  friend bool operator==(DateTime a, DateTime b);
};

namespace datetime {

inline constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 30 December 1899 to the given civil date (negative before it).
std::int64_t serialDay(int year, int month, int day);
// The civil date of a day count.
void civilDate(std::int64_t serial, int& year, int& month, int& day);
bool isValidDate(int year, int month, int day);

DateTime fromSeconds(std::int64_t seconds);
std::int64_t toSeconds(DateTime moment);
DateTime fromParts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// The moment in whole seconds (milliseconds dropped).
DateTime fromLocalTime(const LocalTime& time);
LocalTime toLocalTime(DateTime moment);

// The date at midnight.
DateTime dateOf(DateTime moment);
// Adds whole units: "h" hours, "n" minutes, "s" seconds, "d" days. Another code adds
// nothing.
DateTime add(std::string_view interval, std::int64_t number, DateTime moment);
// Whole seconds from `from` to `to` (to minus from).
std::int64_t secondsBetween(DateTime from, DateTime to);

// Writes a moment with a picture in the Windows notation (see LocaleFormats).
std::string format(DateTime moment, std::string_view picture, const LocaleFormats& locale);
// The general date format: short date, a blank, long time; a moment at exactly midnight
// gives the short date alone.
std::string formatGeneral(DateTime moment, const LocaleFormats& locale);
// "hh:mm:ss AMPM": two-digit hour on the 12-hour clock (0 shows as 12), minutes, seconds,
// a blank and the locale's designator ("AM"/"PM" where it has none).
std::string formatClock(DateTime moment, const LocaleFormats& locale);

// Reads a text in the locale's short date, optionally followed by a time of day of hours,
// minutes and optional seconds, on the 12-hour clock when a designator follows ("AM", "PM"
// or the locale's own, in any letter case, with or without a blank before it). Returns
// nothing for a text that is no such date-time.
std::optional<DateTime> parse(std::string_view text, const LocaleFormats& locale);

}  // namespace datetime
}  // namespace slumbrix
