// The countdown and the clock.
#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "app/frm_main.h"
#include "schedule/zone_time.h"
#include "ui/numbers.h"

namespace slumbrix {
namespace {

constexpr const char* kCountSuffix = " Seconds to the execution";

}  // namespace

void frmMain::Timer_Timer() {
  // The target is a UTC moment: a change of the zone's offset does not move it, while a clock
  // that is set moves the present moment and with it the count.
  const DateTime now = PresentUtc(platform());
  const auto remaining = static_cast<std::int32_t>(std::clamp<std::int64_t>(
      datetime::secondsBetween(now, mdatTarget), std::numeric_limits<std::int32_t>::min(),
      std::numeric_limits<std::int32_t>::max()));
  // The first count after arming is news for a screen reader; the seconds after it are not.
  std::string status = plainDecimal(remaining) + kCountSuffix;
  if (lblStatus.Caption().ends_with(kCountSuffix))
    lblStatus.setCaptionQuietly(std::move(status));
  else
    lblStatus.setCaption(std::move(status));

  // From the lead time on, every tick is one step of the tray icon's flashing.
  if (isTrue(mblnBlink) && remaining <= mlngBlinkSeconds) FlashTrayIcon();

  // The present moment is read again: fire only once it has reached the target.
  const DateTime present = PresentUtc(platform());
  if (datetime::toSeconds(mdatTarget) > datetime::toSeconds(present)) return;
  PerformAction();
  ExitProgram();
}

void frmMain::thetime_Timer() {
  lbltime.setCaption(datetime::formatClock(datetime::fromLocalTime(platform().Now()),
                                           platform().GetLocaleFormats()));
}

}  // namespace slumbrix
