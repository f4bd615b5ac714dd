#include "schedule/targets.h"

#include <algorithm>

#include "schedule/zone_time.h"
#include "ui/numbers.h"

namespace slumbrix {
namespace {

// The clock time on the local clock of the day `today`.
DateTime clockTimeOn(DateTime today, const std::string& hourText, const std::string& minuteText,
                     const std::string& halfOfDay, const LocaleFormats& locale) {
  const auto hour = std::clamp<std::int64_t>(roundHalfEven(leadingNumber(hourText)), 1, 12);
  const auto minute = std::clamp<std::int64_t>(roundHalfEven(leadingNumber(minuteText)), 0, 59);
  const bool pm = halfOfDay == "PM";

  // The date in the general date format, the time of day, and the half of the day with no
  // blank before it, read back in the same locale: "12/6/2026 9:05PM".
  const std::string text = datetime::formatGeneral(today, locale) + " " + plainDecimal(hour) + ":" +
                           twoDigits(minute) + (pm ? "PM" : "AM");
  const DateTime computed = datetime::add("n", (hour % 12 + (pm ? 12 : 0)) * 60 + minute, today);
  // A locale whose short date does not read back as the date must not move the target.
  const auto parsed = datetime::parse(text, locale);
  return parsed && datetime::dateOf(*parsed) == today ? *parsed : computed;
}

}  // namespace

DateTime PeriodTarget(DateTime now, const std::string& unit, std::int64_t count) {
  std::string interval;
  if (unit == "Hours")
    interval = "h";
  else if (unit == "Minutes")
    interval = "n";
  else if (unit == "Seconds")
    interval = "s";
  return datetime::add(interval, count, now);
}

DateTime ClockTimeTarget(Platform& platform, DateTime nowUtc, const std::string& hourText,
                         const std::string& minuteText, const std::string& halfOfDay,
                         const LocaleFormats& locale) {
  const DateTime nowLocal = LocalOfUtc(platform, nowUtc);
  const DateTime wall =
      clockTimeOn(datetime::dateOf(nowLocal), hourText, minuteText, halfOfDay, locale);
  for (int day = 0; day < 2; ++day) {
    for (const DateTime moment : UtcShowing(platform, datetime::add("d", day, wall))) {
      if (datetime::toSeconds(moment) >= datetime::toSeconds(nowUtc)) return moment;
    }
  }
  // Not reached with a zone that changes its offset at most once a day: tomorrow's time on
  // the present offset.
  return datetime::add("s", datetime::secondsBetween(nowLocal, nowUtc),
                       datetime::add("d", 1, wall));
}

}  // namespace slumbrix
