// Disabling or hiding a container makes the controls inside it unusable; the children keep
// their own Enabled, so enabling the container again restores them as they were.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace slumbrix {
namespace {

class ContainersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cmb.addItem("AM");
    cmb.addItem("PM");
    txt.KeyPress = [&](std::int16_t&) { ++handlers; };
    txt.Change = [&] { ++handlers; };
    vs.Change = [&] { ++handlers; };
    chk.Click = [&] { ++handlers; };
    opt.Click = [&] { ++handlers; };
    cmb.Click = [&] { ++handlers; };
    cmd.Click = [&] { ++handlers; };
    picInner.Click = [&] { ++handlers; };
    form.load();
  }

  std::vector<Control*> children() { return {&txt, &vs, &chk, &opt, &cmb, &cmd, &picInner}; }

  // One user input for each child, all of which would change something when usable.
  struct Input {
    const char* control;
    std::function<bool()> act;
  };
  std::vector<Input> inputs() {
    return {
        {"txt typeChar", [&] { return txt.typeChar('5'); }},
        {"txt pressDelete", [&] { return txt.select(0, 1) && txt.pressDelete(); }},
        {"txt paste", [&] { return txt.paste("9"); }},
        {"txt select", [&] { return txt.select(0, 1); }},
        {"vs arrowUp", [&] { return vs.arrowUp(); }},
        {"vs arrowDown", [&] { return vs.arrowDown(); }},
        {"chk click", [&] { return chk.click(); }},
        {"opt click", [&] { return opt.click(); }},
        {"cmb choose", [&] { return cmb.choose(cmb.ListIndex() == 1 ? 0 : 1); }},
        {"cmd click", [&] { return cmd.click(); }},
        {"picInner click", [&] { return picInner.click(); }},
    };
  }

  void resetValues() {
    txt.setText("12");
    vs.setRange(10, 0);
    vs.setValue(5);
    opt.setValue(false);
    handlers = 0;
  }

  test::HeadlessWindowSystem ws;
  Form form{"frmTest", ws};
  Frame& frame = form.add<Frame>(nullptr, "frame");
  PictureBox& pic = form.add<PictureBox>(&frame, "pic");
  TextBox& txt = form.add<TextBox>(&pic, "txtHour");
  VScrollBar& vs = form.add<VScrollBar>(&pic, "vsHour");
  CheckBox& chk = form.add<CheckBox>(&pic, "chkBlink");
  OptionButton& opt = form.add<OptionButton>(&pic, "opt", 0);
  ComboBox& cmb = form.add<ComboBox>(&pic, "cmbT");
  CommandButton& cmd = form.add<CommandButton>(&pic, "cmd");
  PictureBox& picInner = form.add<PictureBox>(&pic, "picInner");
  int handlers = 0;
};

TEST_F(ContainersTest, DisablingAnyContainerOnTheWayRefusesUserInput) {
  struct Row {
    const char* what;
    std::function<void(bool)> set;
  };
  const Row rows[] = {
      {"frame disabled", [&](bool on) { frame.setEnabled(on); }},
      {"picture box disabled", [&](bool on) { pic.setEnabled(on); }},
      {"frame hidden", [&](bool on) { frame.setVisible(on); }},
  };
  for (const Row& row : rows) {
    row.set(false);
    for (const Input& input : inputs()) {
      resetValues();
      EXPECT_FALSE(input.act()) << row.what << ": " << input.control;
      EXPECT_EQ(handlers, 0) << row.what << ": " << input.control;
    }
    EXPECT_EQ(txt.Text(), "12") << row.what;
    EXPECT_EQ(vs.Value(), 5) << row.what;
    for (Control* c : children()) {
      EXPECT_TRUE(c->Enabled()) << row.what << ": " << c->name();
      EXPECT_FALSE(c->isUsable()) << row.what << ": " << c->name();
    }

    row.set(true);
    for (const Input& input : inputs()) {
      resetValues();
      EXPECT_TRUE(input.act()) << "after " << row.what << ": " << input.control;
    }
  }
}

TEST_F(ContainersTest, ChildDisabledOnItsOwnStaysDisabledWhenTheFrameReturns) {
  txt.setEnabled(false);
  frame.setEnabled(false);
  frame.setEnabled(true);
  EXPECT_FALSE(txt.Enabled());
  EXPECT_FALSE(txt.typeChar('5'));
  EXPECT_TRUE(vs.arrowUp());
}

TEST_F(ContainersTest, ProgramAssignmentsStillWorkInsideADisabledFrame) {
  frame.setEnabled(false);
  resetValues();
  txt.setText("7");
  vs.setValue(3);
  chk.setValue(1);
  EXPECT_EQ(txt.Text(), "7");
  EXPECT_EQ(vs.Value(), 3);
  EXPECT_EQ(handlers, 3);
}

TEST_F(ContainersTest, NothingIsUsableBeforeTheFormIsLoadedOrAfterItIsUnloaded) {
  test::HeadlessWindowSystem other;
  Form unloaded{"frmOther", other};
  TextBox& field = unloaded.add<TextBox>(nullptr, "txt");
  EXPECT_FALSE(field.typeChar('1'));
  EXPECT_TRUE(form.unload());
  EXPECT_FALSE(cmd.click());
}

}  // namespace
}  // namespace slumbrix
