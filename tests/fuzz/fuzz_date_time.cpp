// Reads arbitrary texts as date-times in arbitrary pictures, and arbitrary clock fields as
// targets: nothing may crash, a parsed moment must write back and read again unchanged, and a
// clock target lies within one day from now.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "schedule/date_time.h"
#include "schedule/targets.h"
#include "support/fake_platform.h"

namespace {

using namespace slumbrix;

void check(bool condition) {
  if (!condition) std::abort();
}

std::string take(const std::uint8_t*& data, std::size_t& size) {
  const std::size_t n = size == 0 ? 0 : std::min<std::size_t>(data[0] % 24, size - 1);
  std::string s(reinterpret_cast<const char*>(data + (size == 0 ? 0 : 1)), n);
  const std::size_t used = size == 0 ? 0 : n + 1;
  data += used;
  size -= used;
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LocaleFormats locale;
  locale.shortDate = take(data, size);
  locale.longTime = take(data, size);
  locale.am = take(data, size);
  locale.pm = take(data, size);
  const std::string text = take(data, size);
  const std::string hour = take(data, size);
  const std::string minute = take(data, size);

  const auto parsed = datetime::parse(text, locale);
  if (parsed) {
    const LocaleFormats us;
    const std::string written = datetime::formatGeneral(*parsed, us);
    const auto again = datetime::parse(written, us);
    check(again.has_value() && *again == *parsed);
  }
  (void)datetime::formatGeneral(datetime::fromParts(2026, 12, 6, 21, 5, 0), locale);
  (void)datetime::formatClock(datetime::fromParts(2026, 12, 6, 0, 15, 30), locale);

  const DateTime now = datetime::fromParts(2026, 12, 6, 10, 0, 0);
  test::FakePlatform utc;  // local time is UTC
  const DateTime target =
      ClockTimeTarget(utc, now, hour, minute, size % 2 == 0 ? "AM" : "PM", locale);
  const auto ahead = datetime::secondsBetween(now, target);
  check(ahead >= 0 && ahead < datetime::kSecondsPerDay);
  return 0;
}
