// The one switch of the scheduler: "Activate Timer" arms and disarms.
#include "app/frm_main.h"
#include "schedule/targets.h"
#include "schedule/zone_time.h"
#include "ui/numbers.h"

namespace slumbrix {
namespace {

constexpr const char* kActivate = "Activate Timer";
constexpr const char* kDeactivate = "Deactivate Timer";
constexpr const char* kDeactivated = "Timer Deactivated";

}  // namespace

void frmMain::cmdTimer_Click() {
  if (timercpushut.Enabled()) {
    // Stops a running CPU watch whichever mode is selected now.
    timercpushut.setEnabled(false);
    cmdTimer.setCaption(kActivate);
    lblStatus.setCaption(kDeactivated);
    return;
  }
  if (Option1.Value()) {
    timercpushut.setEnabled(true);
    cmdTimer.setCaption(kDeactivate);
    lblStatus.setCaption("The CPU-Usage is supervised");
    return;
  }
  if (isTrue(mblnTimerActive)) {
    lblStatus.setCaption(kDeactivated);
    cmdTimer.setCaption(kActivate);
    RestoreTrayIcon();
    frame.setEnabled(true);
  } else {
    frame.setEnabled(false);
    cmdTimer.setCaption(kDeactivate);
    mstrAction = cmbAction.Text();
    mblnForce = toVb(chkForce.Value() != 0);
    mblnBlink = toVb(chkBlink.Value() != 0);
    mlngBlinkSeconds = static_cast<std::int32_t>(roundHalfEven(leadingNumber(txtBlink.Text())));
    const LocaleFormats locale = platform().GetLocaleFormats();
    const DateTime now = PresentUtc(platform());
    mdatTarget =
        opt0.Value()
            ? PeriodTarget(now, cmbUnit.Text(), roundHalfEven(leadingNumber(txtPeriod.Text())))
            : ClockTimeTarget(platform(), now, txtHour.Text(), txtMin.Text(), cmbT.Text(), locale);
    // The target is kept in UTC; the user reads it on the local clock.
    ShowTrayTip(mstrAction + " on " +
                datetime::formatGeneral(LocalOfUtc(platform(), mdatTarget), locale));
  }
  mblnTimerActive = toVb(!isTrue(mblnTimerActive));
  Timer_.setEnabled(isTrue(mblnTimerActive));
}

}  // namespace slumbrix
