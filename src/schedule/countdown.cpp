// The countdown and the clock.
#include <algorithm>
#include <limits>

#include "app/frm_main.h"
#include "ui/numbers.h"

namespace slumbrix {

void frmMain::Timer_Timer() {
  const DateTime now = datetime::fromLocalTime(platform().Now());
  const auto remaining = static_cast<std::int32_t>(std::clamp<std::int64_t>(
      datetime::secondsBetween(now, mdatTarget), std::numeric_limits<std::int32_t>::min(),
      std::numeric_limits<std::int32_t>::max()));
  lblStatus.setCaption(plainDecimal(remaining) + " Seconds to the execution");

  // From the lead time on, every tick is one step of the tray icon's flashing.
  if (isTrue(mblnBlink) && remaining <= mlngBlinkSeconds) FlashTrayIcon();

  // The present moment is read again: fire only once it has reached the target.
  const DateTime present = datetime::fromLocalTime(platform().Now());
  if (datetime::toSeconds(mdatTarget) > datetime::toSeconds(present)) return;
  PerformAction();
  ExitProgram();
}

void frmMain::thetime_Timer() {
  lbltime.setCaption(datetime::formatClock(datetime::fromLocalTime(platform().Now()),
                                           platform().GetLocaleFormats()));
}

}  // namespace slumbrix
