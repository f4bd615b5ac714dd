// The main window as a screen reader presents it: each field named by the caption before it,
// each number field with its arrows one spin button, the meter a level, the status line a
// line that tells of its changes.
#include "app/frm_main.h"
#include "ui/accessible.h"

namespace slumbrix {

void frmMain::describeAccessibility() {
  cmbAction.accessibility.labelledBy = &lbl0;
  joinSpinButton(txtPeriod, vsPeriod, &opt0);
  cmbUnit.accessibility.labelledBy = &opt0;
  joinSpinButton(txtHour, vsHour, &opt1);
  joinSpinButton(txtMin, vsMin, &opt1);
  cmbT.accessibility.labelledBy = &opt1;
  joinSpinButton(txtAuslastung, vsAuslastung, &Option1);
  joinSpinButton(txtBlink, vsBlink, &chkBlink);
  // The number on the bar is the meter's value; the bar and the graph draw the same figure.
  lblCpuUsage.accessibility.role = AccessibleRole::Level;
  lblCpuUsage.accessibility.labelledBy = &Frame2;
  lbltime.accessibility.labelledBy = &fraTime;
  lblStatus.announcesChanges = true;
  lblStatus.accessibility.labelledBy = &Frame1;
}

}  // namespace slumbrix
