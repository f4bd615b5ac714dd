#include "schedule/date_time.h"

#include <array>
#include <cctype>
#include <cmath>
#include <vector>

#include "ui/numbers.h"

namespace slumbrix::datetime {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian), after H. Hinnant.
std::int64_t daysFromEpoch(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpochOffset = 25569;  // 1899-12-30 to 1970-01-01

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool isLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::string pad(int value, std::size_t width) {
  std::string s = std::to_string(value);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return s;
}

const std::string& designator(int hour, const LocaleFormats& locale) {
  static const std::string kAm = "AM";
  static const std::string kPm = "PM";
  if (hour < 12) return locale.am.empty() ? kAm : locale.am;
  return locale.pm.empty() ? kPm : locale.pm;
}

// The value a run of one picture letter stands for, written out.
std::string field(char letter, std::size_t count, const LocalTime& t, const LocaleFormats& locale) {
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  switch (letter) {
    case 'd':
      return pad(t.day, count >= 2 ? 2 : 1);
    case 'M':
      return pad(t.month, count >= 2 ? 2 : 1);
    case 'y':
      return count <= 2 ? pad(t.year % 100, 2) : pad(t.year, 4);
    case 'h':
      return pad(hour12, count >= 2 ? 2 : 1);
    case 'H':
      return pad(t.hour, count >= 2 ? 2 : 1);
    case 'm':
      return pad(t.minute, count >= 2 ? 2 : 1);
    case 's':
      return pad(t.second, count >= 2 ? 2 : 1);
    case 't': {
      const std::string& d = designator(t.hour, locale);
      return count >= 2 ? d : d.substr(0, 1);
    }
    default:
      return std::string(count, letter);
  }
}

bool isPictureLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' ||
         c == 't';
}

// The order in which day, month and year stand in a short-date picture, and whether its
// year has two digits.
struct DateOrder {
  std::array<char, 3> fields{'M', 'd', 'y'};
  bool twoDigitYear = false;
};

DateOrder dateOrder(std::string_view picture) {
  DateOrder order;
  std::size_t n = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (c == '\'') quoted = !quoted;
    if (quoted || (c != 'd' && c != 'M' && c != 'y')) continue;
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    if (n < 3) order.fields[n++] = c;
    if (c == 'y') order.twoDigitYear = run <= 2;
    i += run - 1;
  }
  if (n != 3) order = DateOrder{};
  return order;
}

struct Tokens {
  std::vector<std::int64_t> numbers;
  std::vector<std::string> words;  // after the numbers began; upper-cased
  bool numberTooLong = false;
};

Tokens tokenize(std::string_view text) {
  Tokens t;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (std::isdigit(c) != 0) {
      std::size_t j = i;
      std::int64_t value = 0;
      while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])) != 0) {
        if (j - i < 9)
          value = value * 10 + (text[j] - '0');
        else
          t.numberTooLong = true;
        ++j;
      }
      t.numbers.push_back(value);
      i = j;
    } else if (std::isspace(c) != 0 || std::ispunct(c) != 0) {
      ++i;
    } else {
      std::size_t j = i;
      std::string word;
      while (j < text.size()) {
        const auto w = static_cast<unsigned char>(text[j]);
        if (std::isdigit(w) != 0 || std::isspace(w) != 0 || std::ispunct(w) != 0) break;
        word += static_cast<char>(std::toupper(w));
        ++j;
      }
      t.words.push_back(word);
      i = j;
    }
  }
  return t;
}

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// -1 for none, 0 for before noon, 1 for after noon, 2 for a word that is no designator.
int readDesignator(const std::vector<std::string>& words, const LocaleFormats& locale) {
  if (words.empty()) return -1;
  if (words.size() > 1) return 2;
  const std::string& w = words.front();
  if (w == "AM" || w == "A" || (!locale.am.empty() && w == upper(locale.am))) return 0;
  if (w == "PM" || w == "P" || (!locale.pm.empty() && w == upper(locale.pm))) return 1;
  return 2;
}

}  // namespace

}  // namespace slumbrix::datetime

namespace slumbrix {

bool operator==(DateTime a, DateTime b) {
  return datetime::toSeconds(a) == datetime::toSeconds(b);
}

}  // namespace slumbrix

namespace slumbrix::datetime {

std::int64_t serialDay(int year, int month, int day) {
  return daysFromEpoch(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
         kEpochOffset;
}

void civilDate(std::int64_t serial, int& year, int& month, int& day) {
  const std::int64_t z = serial - kEpochOffset + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0));
}

bool isValidDate(int year, int month, int day) {
  return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= daysInMonth(year, month);
}

DateTime fromSeconds(std::int64_t seconds) {
  return DateTime{static_cast<double>(seconds) / static_cast<double>(kSecondsPerDay)};
}

std::int64_t toSeconds(DateTime moment) {
  return static_cast<std::int64_t>(
      std::llround(moment.value * static_cast<double>(kSecondsPerDay)));
}

DateTime fromParts(int year, int month, int day, int hour, int minute, int second) {
  return fromSeconds(serialDay(year, month, day) * kSecondsPerDay + hour * 3600LL + minute * 60LL +
                     second);
}

DateTime fromLocalTime(const LocalTime& t) {
  return fromParts(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

LocalTime toLocalTime(DateTime moment) {
  const std::int64_t total = toSeconds(moment);
  const std::int64_t days = floorDiv(total, kSecondsPerDay);
  const std::int64_t rest = total - days * kSecondsPerDay;
  LocalTime t;
  civilDate(days, t.year, t.month, t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

DateTime dateOf(DateTime moment) {
  return fromSeconds(floorDiv(toSeconds(moment), kSecondsPerDay) * kSecondsPerDay);
}

DateTime add(std::string_view interval, std::int64_t number, DateTime moment) {
  std::int64_t unit = 0;
  if (interval == "h")
    unit = 3600;
  else if (interval == "n")
    unit = 60;
  else if (interval == "s")
    unit = 1;
  else if (interval == "d")
    unit = kSecondsPerDay;
  return fromSeconds(toSeconds(moment) + number * unit);
}

std::int64_t secondsBetween(DateTime from, DateTime to) {
  return toSeconds(to) - toSeconds(from);
}

std::string format(DateTime moment, std::string_view picture, const LocaleFormats& locale) {
  const LocalTime t = toLocalTime(moment);
  std::string out;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      const std::size_t close = picture.find('\'', i + 1);
      const std::size_t end = close == std::string_view::npos ? picture.size() : close;
      out.append(picture.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    if (!isPictureLetter(c)) {
      out += c;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    out += field(c, run, t, locale);
    i += run;
  }
  return out;
}

std::string formatGeneral(DateTime moment, const LocaleFormats& locale) {
  const std::string date = format(moment, locale.shortDate, locale);
  if (toSeconds(moment) % kSecondsPerDay == 0) return date;
  return date + " " + format(moment, locale.longTime, locale);
}

std::string formatClock(DateTime moment, const LocaleFormats& locale) {
  const LocalTime t = toLocalTime(moment);
  return field('h', 2, t, locale) + ":" + pad(t.minute, 2) + ":" + pad(t.second, 2) + " " +
         designator(t.hour, locale);
}

std::optional<DateTime> parse(std::string_view text, const LocaleFormats& locale) {
  const Tokens tokens = tokenize(text);
  const std::size_t n = tokens.numbers.size();
  if (tokens.numberTooLong || n < 3 || n == 4 || n > 6) return std::nullopt;
  const DateOrder order = dateOrder(locale.shortDate);
  int year = 0, month = 0, day = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const int v = static_cast<int>(tokens.numbers[i]);
    if (order.fields[i] == 'd')
      day = v;
    else if (order.fields[i] == 'M')
      month = v;
    else
      year = v;
  }
  if (year < 100) year += year < 30 ? 2000 : 1900;
  if (!isValidDate(year, month, day)) return std::nullopt;
  int hour = n > 3 ? static_cast<int>(tokens.numbers[3]) : 0;
  const int minute = n > 4 ? static_cast<int>(tokens.numbers[4]) : 0;
  const int second = n > 5 ? static_cast<int>(tokens.numbers[5]) : 0;
  const int half = readDesignator(tokens.words, locale);
  if (half == 2 || minute > 59 || second > 59 || hour > 23) return std::nullopt;
  if (half >= 0) {
    if (n == 3 || hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + (half == 1 ? 12 : 0);
  }
  return fromParts(year, month, day, hour, minute, second);
}

}  // namespace slumbrix::datetime
