#include "ui/buttons.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "support/test_form.h"

namespace slumbrix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.load();
    form.opt0.setValue(false);  // nothing chosen in either group
    for (OptionButton* o : options())
      o->Click = [this, o] { log.push_back("click " + o->displayName()); };
  }
  std::vector<OptionButton*> options() { return {&opt0, &opt1, &Option1, &optA, &optB}; }
  std::string values() {
    std::string out;
    for (OptionButton* o : options()) out += o->Value() ? '1' : '0';
    return out;
  }

  test::HeadlessWindowSystem ws;
  test::TestForm form{ws};
  // One group in the picture box, a second directly in the frame that holds it.
  OptionButton& opt0 = form.opt0;
  OptionButton& opt1 = form.opt1;
  OptionButton& Option1 = form.Option1;
  OptionButton& optA = form.optA;
  OptionButton& optB = form.optB;
  std::vector<std::string> log;
};

TEST_F(ButtonsTest, OptionButtonsOfOneContainerAreOneExclusiveGroup) {
  struct Step {
    OptionButton* pressed;
    const char* values;  // opt0 opt1 Option1 optA optB
    const char* click;   // "" when no click is raised
  };
  const Step steps[] = {
      {&opt0, "10000", "click opt(0)"},     {&optA, "10010", "click optA"},
      {&Option1, "00110", "click Option1"}, {&opt1, "01010", "click opt(1)"},
      {&optB, "01001", "click optB"},       {&opt0, "10001", "click opt(0)"},
  };
  for (const Step& step : steps) {
    log.clear();
    EXPECT_TRUE(step.pressed->click());
    EXPECT_EQ(values(), step.values) << step.pressed->displayName();
    EXPECT_EQ(log, std::vector<std::string>{step.click}) << step.pressed->displayName();
  }
}

TEST_F(ButtonsTest, ProgramSelectionClearsTheGroupAndRaisesClickOnce) {
  opt0.setValue(true);
  log.clear();
  opt1.setValue(true);
  EXPECT_EQ(values(), "01000");
  EXPECT_THAT(log, ElementsAre("click opt(1)"));

  log.clear();
  opt1.setValue(true);   // already selected
  opt1.setValue(false);  // clearing raises no click and selects nothing else
  EXPECT_EQ(values(), "00000");
  EXPECT_THAT(log, IsEmpty());
}

TEST_F(ButtonsTest, CheckBoxValueChangeRaisesClick) {
  CheckBox& chk = form.chk;
  std::vector<int> clicks;
  chk.Click = [&] { clicks.push_back(chk.Value()); };

  EXPECT_TRUE(chk.click());  // the user ticks it
  chk.setValue(1);           // unchanged: no click
  chk.setValue(0);           // the program clears it
  EXPECT_TRUE(chk.click());
  EXPECT_TRUE(chk.click());
  EXPECT_THAT(clicks, ElementsAre(1, 0, 1, 0));
}

TEST_F(ButtonsTest, CommandButtonClickRunsItsHandler) {
  CommandButton& cmd = form.cmd;
  int clicks = 0;
  cmd.Click = [&] { ++clicks; };
  EXPECT_TRUE(cmd.click());
  cmd.setEnabled(false);
  EXPECT_FALSE(cmd.click());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonsTest, DropDownListTextIsAlwaysOneOfItsItems) {
  ComboBox& cmb = form.add<ComboBox>(&form.pic, "cmbUnit");
  std::vector<std::string> clicks;
  cmb.Click = [&] { clicks.push_back(cmb.Text()); };
  cmb.addItem("Hours", 3600);
  cmb.addItem("Minutes", 60);
  cmb.addItem("Seconds", 1);
  EXPECT_EQ(cmb.Text(), "");
  EXPECT_EQ(cmb.ListIndex(), -1);

  struct Row {
    const char* assigned;
    const char* expected;
  };
  const Row rows[] = {
      {"Minutes", "Minutes"}, {"Days", "Minutes"},   {"minutes", "Minutes"},
      {"", "Minutes"},        {"Hours ", "Minutes"}, {"Seconds", "Seconds"},
  };
  for (const Row& row : rows) {
    cmb.setText(row.assigned);
    EXPECT_EQ(cmb.Text(), row.expected) << row.assigned;
  }
  EXPECT_THAT(clicks, ElementsAre("Minutes", "Seconds"));

  cmb.setListIndex(3);  // past the end: ignored
  cmb.setListIndex(-2);
  EXPECT_EQ(cmb.Text(), "Seconds");
  EXPECT_FALSE(cmb.choose(3));
  EXPECT_TRUE(cmb.choose(0));
  EXPECT_EQ(cmb.Text(), "Hours");
  EXPECT_EQ(cmb.ItemData(cmb.ListIndex()), 3600);
}

}  // namespace
}  // namespace slumbrix
