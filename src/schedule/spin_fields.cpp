// The five number fields with their spin buttons: key filters, clamps, and the text written
// back after a spin change. Every assignment below runs the other side's handler nested.
#include "schedule/spin_fields.h"

#include "app/frm_main.h"
#include "ui/numbers.h"

namespace slumbrix {

VbBool IsDigitKey(std::int16_t keyAscii) {
  return toVb(keyAscii >= 48 && keyAscii <= 57);
}

void FilterDigitKey(std::int16_t& keyAscii) {
  if (!isTrue(IsDigitKey(keyAscii))) keyAscii = 0;
}

void ClampSpinText(TextBox& text, VScrollBar& spin) {
  if (leadingNumber(text.Text()) > spin.Min()) text.setText(plainDecimal(spin.Min()));
  if (leadingNumber(text.Text()) < spin.Max()) text.setText(plainDecimal(spin.Max()));
  spin.setValue(roundToInt16(leadingNumber(text.Text())));
}

void frmMain::txtPeriod_KeyPress(std::int16_t& keyAscii) {
  FilterDigitKey(keyAscii);
}
void frmMain::txtHour_KeyPress(std::int16_t& keyAscii) {
  FilterDigitKey(keyAscii);
}
void frmMain::txtMin_KeyPress(std::int16_t& keyAscii) {
  FilterDigitKey(keyAscii);
}
void frmMain::txtBlink_KeyPress(std::int16_t& keyAscii) {
  FilterDigitKey(keyAscii);
}

void frmMain::txtPeriod_Change() {
  ClampSpinText(txtPeriod, vsPeriod);
}
void frmMain::txtHour_Change() {
  ClampSpinText(txtHour, vsHour);
}
void frmMain::txtMin_Change() {
  ClampSpinText(txtMin, vsMin);
}
void frmMain::txtBlink_Change() {
  ClampSpinText(txtBlink, vsBlink);
}

void frmMain::txtAuslastung_Change() {
  // Its text only ever comes from its spin button; only an upper cap is needed.
  if (leadingNumber(txtAuslastung.Text()) > 100) txtAuslastung.setText("100");
}

void frmMain::vsPeriod_Change() {
  txtPeriod.setText(plainDecimal(vsPeriod.Value()));
}
void frmMain::vsHour_Change() {
  txtHour.setText(plainDecimal(vsHour.Value()));
}
void frmMain::vsMin_Change() {
  // Digits the user typed that already read as the new value stay as typed: rewriting "4" to
  // "04" at once would fill the field and refuse the second digit of "45". Arrows and the
  // program write two digits, and so does an emptied field.
  const std::string& text = txtMin.Text();
  const bool typedDigits =
      !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  if (typedDigits && leadingNumber(text) == vsMin.Value()) return;
  txtMin.setText(twoDigits(vsMin.Value()));
}
void frmMain::vsBlink_Change() {
  txtBlink.setText(plainDecimal(vsBlink.Value()));
}
void frmMain::vsAuslastung_Change() {
  txtAuslastung.setText(plainDecimal(vsAuslastung.Value()));
}

}  // namespace slumbrix
