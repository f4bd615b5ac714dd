#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

class TriggerModes : public MainWindowTest {
 protected:
  TriggerModes() { loadWindow(); }
  // Enabled states of the period, clock-time, threshold and flash groups, one letter each
  // control: E enabled, d disabled.
  std::string groups() {
    std::string s;
    for (Control* c :
         {static_cast<Control*>(&form.txtPeriod), static_cast<Control*>(&form.vsPeriod),
          static_cast<Control*>(&form.cmbUnit), static_cast<Control*>(&form.txtHour),
          static_cast<Control*>(&form.vsHour), static_cast<Control*>(&form.txtMin),
          static_cast<Control*>(&form.vsMin), static_cast<Control*>(&form.cmbT),
          static_cast<Control*>(&form.txtAuslastung), static_cast<Control*>(&form.vsAuslastung),
          static_cast<Control*>(&form.txtBlink), static_cast<Control*>(&form.vsBlink)})
      s += c->Enabled() ? 'E' : 'd';
    return s;
  }
};

TEST_F(TriggerModes, EachModeEnablesItsOwnFields) {
  const std::string start = "EEEdddddddEE";
  EXPECT_EQ(groups(), start);
  EXPECT_TRUE(form.opt0.Value());

  form.opt1.click();
  EXPECT_EQ(groups(), "dddEEEEEddEE");
  EXPECT_FALSE(form.opt0.Value());
  form.opt0.click();
  EXPECT_EQ(groups(), start);

  form.Option1.click();
  EXPECT_EQ(groups(), "ddddddddEEEE");
  EXPECT_FALSE(form.opt0.Value());
  EXPECT_FALSE(form.opt1.Value());
  form.opt0.click();
  EXPECT_EQ(groups(), start);
}

TEST_F(TriggerModes, FlashBoxDisablesItsFieldAndKeepsTheValue) {
  form.vsBlink.setValue(12);
  form.chkBlink.click();
  EXPECT_EQ(form.chkBlink.Value(), 0);
  EXPECT_EQ(groups(),
            "EEEdddddddd"
            "d");
  EXPECT_EQ(form.txtBlink.Text(), "12");
  form.cmdTimer.click();
  EXPECT_EQ(form.mblnBlink, kVbFalse);
  EXPECT_EQ(form.mlngBlinkSeconds, 12);
}

TEST_F(TriggerModes, ModeChangesKeepTheFieldValues) {
  form.opt1.click();
  form.txtHour.setText("7");
  form.Option1.click();
  form.opt0.click();
  EXPECT_EQ(form.txtHour.Text(), "7");
  EXPECT_EQ(form.vsHour.Value(), 7);
}

}  // namespace
}  // namespace slumbrix::test
