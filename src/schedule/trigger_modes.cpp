// The trigger-mode buttons and the flash check box enable the fields that belong to them.
#include "app/frm_main.h"

namespace slumbrix {

void frmMain::opt_Click(std::int16_t index) {
  for (Control* c : std::initializer_list<Control*>{&txtPeriod, &vsPeriod, &cmbUnit, &txtHour,
                                                    &vsHour, &txtMin, &vsMin, &cmbT})
    c->setEnabled(true);
  txtAuslastung.setEnabled(false);
  vsAuslastung.setEnabled(false);
  const bool clockTime = index != 0;
  for (Control* c : std::initializer_list<Control*>{&txtHour, &vsHour, &txtMin, &vsMin, &cmbT})
    c->setEnabled(clockTime);
  for (Control* c : std::initializer_list<Control*>{&txtPeriod, &vsPeriod, &cmbUnit})
    c->setEnabled(!clockTime);
}

void frmMain::Option1_Click() {
  for (Control* c : std::initializer_list<Control*>{&txtPeriod, &vsPeriod, &cmbUnit, &txtHour,
                                                    &vsHour, &txtMin, &vsMin, &cmbT})
    c->setEnabled(false);
  txtAuslastung.setEnabled(true);
  vsAuslastung.setEnabled(true);
}

void frmMain::chkBlink_Click() {
  txtBlink.setEnabled(chkBlink.Value() != 0);
  vsBlink.setEnabled(chkBlink.Value() != 0);
}

}  // namespace slumbrix
