// The main window with the keyboard alone: every mode armed and disarmed, the menu reached.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

using ::testing::ElementsAre;

class MainWindowKeys : public MainWindowTest {
 protected:
  MainWindowKeys() {
    loadWindow();
    form.show();
    focus = form.tabOrder().front();
  }
  // One key as a front end hands it over; the focus follows the outcome.
  KeyRoute press(Key key, unsigned modifiers = 0) {
    const KeyOutcome outcome = form.keyDown(focus, KeyStroke{key, modifiers, 0});
    if (outcome.focus != nullptr) focus = outcome.focus;
    return outcome.route;
  }
  std::vector<std::string> tabStops() const {
    std::vector<std::string> names;
    for (const Control* c : form.tabOrder()) names.push_back(c->displayName());
    return names;
  }

  Control* focus = nullptr;
};

TEST_F(MainWindowKeys, TheTabOrderHoldsOneStopPerGroupAndNoSpinArrows) {
  EXPECT_EQ(focus, &form.cmdTimer);
  EXPECT_THAT(tabStops(), ElementsAre("cmdTimer", "txtPeriod", "cmbUnit", "opt(0)", "txtBlink",
                                      "chkBlink", "cmbAction", "Command1"));
  form.Option1.click();
  EXPECT_THAT(tabStops(), ElementsAre("cmdTimer", "txtBlink", "chkBlink", "cmbAction", "Command1",
                                      "Option1", "txtAuslastung"));
}

TEST_F(MainWindowKeys, EachModeArmsAndDisarmsFromTheKeyboard) {
  // "Activate in:" 1 hour: Enter on the focused button.
  EXPECT_EQ(press(Key::Enter), KeyRoute::Taken);
  EXPECT_TRUE(isTrue(form.mblnTimerActive));
  EXPECT_EQ(form.cmdTimer.Caption(), "Deactivate Timer");
  EXPECT_FALSE(form.frame.Enabled());
  EXPECT_EQ(press(Key::Enter), KeyRoute::Taken);
  EXPECT_FALSE(isTrue(form.mblnTimerActive));
  EXPECT_EQ(form.lblStatus.Caption(), "Timer Deactivated");

  // "Activate at:": Tab to the group, Down, Up in the hour field, back and Enter.
  for (int i = 0; i < 3; ++i) press(Key::Tab);
  EXPECT_EQ(focus, &form.opt0);
  press(Key::Down);
  EXPECT_EQ(focus, &form.opt1);
  EXPECT_TRUE(form.opt1.Value());
  EXPECT_TRUE(form.txtHour.Enabled());
  EXPECT_FALSE(form.txtPeriod.Enabled());
  press(Key::Tab);  // the flash field
  press(Key::Tab);
  press(Key::Tab);
  press(Key::Tab);  // the hour field
  EXPECT_EQ(focus, &form.txtHour);
  press(Key::Up);
  EXPECT_EQ(form.txtHour.Text(), "2");
  EXPECT_EQ(form.vsHour.Value(), 2);
  while (focus != &form.cmdTimer) press(Key::Tab, kShiftModifier);
  press(Key::Enter);
  EXPECT_TRUE(isTrue(form.mblnTimerActive));
  EXPECT_THAT(tipOf(trayCalls().back()), ::testing::StartsWith("Shutdown on "));
  press(Key::Enter);
  EXPECT_FALSE(isTrue(form.mblnTimerActive));

  // The CPU watch: Down twice from "Activate in:" goes round to the CPU option.
  while (focus != &form.opt1) press(Key::Tab);
  press(Key::Down);
  EXPECT_EQ(focus, &form.Option1);
  EXPECT_TRUE(form.txtAuslastung.Enabled());
  press(Key::Tab);
  EXPECT_EQ(focus, &form.txtAuslastung);
  press(Key::Up);  // read-only, and still stepped by its arrows
  EXPECT_EQ(form.txtAuslastung.Text(), "2");
  press(Key::Tab);
  EXPECT_EQ(focus, &form.cmdTimer);
  press(Key::Enter);
  EXPECT_TRUE(form.timercpushut.Enabled());
  EXPECT_EQ(form.lblStatus.Caption(), "The CPU-Usage is supervised");
  press(Key::Enter);
  EXPECT_FALSE(form.timercpushut.Enabled());
  EXPECT_EQ(form.lblStatus.Caption(), "Timer Deactivated");

  // And back round to "Activate in:".
  while (focus != &form.Option1) press(Key::Tab);
  press(Key::Down);
  EXPECT_EQ(focus, &form.opt0);
  EXPECT_TRUE(form.txtPeriod.Enabled());
  EXPECT_FALSE(form.txtAuslastung.Enabled());
}

TEST_F(MainWindowKeys, TheMenuBarAndEscape) {
  EXPECT_EQ(press(Key::F10), KeyRoute::MenuBar);
  form.keyDown(focus, KeyStroke{Key::Alt, kAltModifier, 0});
  EXPECT_EQ(form.keyUp(KeyStroke{Key::Alt, 0, 0}).route, KeyRoute::MenuBar);
  // Escape in a field is the field's; with no control focused it hides the window.
  press(Key::Tab);
  press(Key::Escape);
  EXPECT_TRUE(form.isShown());
  focus = nullptr;
  form.SetTrayShown(true);  // hidden into a tray that shows the icon
  press(Key::Escape);
  EXPECT_FALSE(form.isShown());
}

}  // namespace
}  // namespace slumbrix::test
