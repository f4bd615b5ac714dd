#include "schedule/targets.h"

#include <algorithm>

#include "ui/numbers.h"

namespace slumbrix {

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

DateTime ClockTimeTarget(DateTime now, const std::string& hourText, const std::string& minuteText,
                         const std::string& halfOfDay, const LocaleFormats& locale) {
  const auto hour = std::clamp<std::int64_t>(roundHalfEven(leadingNumber(hourText)), 1, 12);
  const auto minute = std::clamp<std::int64_t>(roundHalfEven(leadingNumber(minuteText)), 0, 59);
  const bool pm = halfOfDay == "PM";

  // Today's date in the general date format, the time of day, and the half of the day with no
  // blank before it, read back in the same locale: "12/6/2026 9:05PM".
  const DateTime today = datetime::dateOf(now);
  const std::string text = datetime::formatGeneral(today, locale) + " " + plainDecimal(hour) + ":" +
                           twoDigits(minute) + (pm ? "PM" : "AM");
  const DateTime computed = datetime::add("n", (hour % 12 + (pm ? 12 : 0)) * 60 + minute, today);
  // A locale whose short date does not read back as today's date must not move the target.
  const auto parsed = datetime::parse(text, locale);
  DateTime target = parsed && datetime::dateOf(*parsed) == today ? *parsed : computed;
  if (datetime::toSeconds(target) < datetime::toSeconds(now))
    target = datetime::add("d", 1, target);
  return target;
}

}  // namespace slumbrix
