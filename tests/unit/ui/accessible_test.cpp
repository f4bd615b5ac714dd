#include "ui/accessible.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_peer.h"
#include "support/headless_window_system.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace slumbrix {
namespace {

class AccessibleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.setCaption("Test");
    frame.setCaption("&Options");
    option.setCaption("Wait &for:");
    label.setCaption("Name:");
    text.setMaxLength(3);
    arrows.setRange(999, 1);  // the up arrow counts up
    arrows.setValue(5);
    arrows.Change = [this] { text.setText(std::to_string(arrows.Value())); };
    joinSpinButton(text, arrows, &option);
    list.accessibility.labelledBy = &label;
    form.load();
  }

  test::HeadlessWindowSystem ws;
  Form form{"frmTest", ws};
  Frame& frame = form.add<Frame>(nullptr, "frame");
  OptionButton& option = form.add<OptionButton>(&frame, "option");
  TextBox& text = form.add<TextBox>(&frame, "text");
  VScrollBar& arrows = form.add<VScrollBar>(&frame, "arrows");
  Label& label = form.add<Label>(&frame, "label");
  ComboBox& list = form.add<ComboBox>(&frame, "list");
  TextBox& plain = form.add<TextBox>(&frame, "plain");
  VScrollBar& lone = form.add<VScrollBar>(&frame, "lone");
  PictureBox& pane = form.add<PictureBox>(nullptr, "pane");
  CommandButton& button = form.add<CommandButton>(nullptr, "button");
  Timer& timer = form.add<Timer>(nullptr, "timer");
};

TEST_F(AccessibleTest, RolesAndNamesComeFromKindCaptionAndLabel) {
  struct Row {
    const Control* control;
    AccessibleRole role;
    const char* name;
  };
  const Row rows[] = {
      {&form, AccessibleRole::Frame, "Test"},
      {&frame, AccessibleRole::Grouping, "Options"},  // the access-key marker is not read
      {&option, AccessibleRole::RadioButton, "Wait for:"},
      {&text, AccessibleRole::SpinButton, "Wait for:"},
      {&arrows, AccessibleRole::None, ""},  // part of the spin button
      {&label, AccessibleRole::Label, "Name:"},
      {&list, AccessibleRole::ComboBox, "Name:"},
      {&plain, AccessibleRole::Text, ""},
      {&lone, AccessibleRole::SpinButton, ""},
      {&pane, AccessibleRole::Pane, ""},
      {&timer, AccessibleRole::None, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(accessibleRole(*row.control), row.role) << row.control->displayName();
    EXPECT_EQ(accessibleName(*row.control), row.name) << row.control->displayName();
  }
  pane.picture = "logo";
  EXPECT_EQ(accessibleRole(pane), AccessibleRole::Graphic);
  label.announcesChanges = true;
  EXPECT_EQ(accessibleRole(label), AccessibleRole::StatusLine);
  form.accessibility.role = AccessibleRole::Dialog;
  EXPECT_EQ(accessibleRole(form), AccessibleRole::Dialog);
}

TEST_F(AccessibleTest, ValuesOfSpinButtonsAndLevels) {
  EXPECT_EQ(accessibleValue(text), (AccessibleValue{5, 1, 999}));  // smaller end first
  EXPECT_EQ(accessibleValue(lone), (AccessibleValue{0, 0, 32767}));
  EXPECT_EQ(accessibleValue(plain), std::nullopt);
  label.accessibility.role = AccessibleRole::Level;
  label.accessibility.labelledBy = &frame;
  EXPECT_EQ(accessibleName(label), "Options");  // a level's caption is its value, not its name
  struct Row {
    const char* caption;
    std::optional<AccessibleValue> value;
  };
  const Row rows[] = {{"0", AccessibleValue{0, 0, 100}},
                      {"18", AccessibleValue{18, 0, 100}},
                      {"100", AccessibleValue{100, 0, 100}},
                      {"?", std::nullopt},
                      {"", std::nullopt},
                      {"101", std::nullopt},
                      {"-1", std::nullopt}};
  for (const Row& row : rows) {
    label.setCaption(row.caption);
    EXPECT_EQ(accessibleValue(label), row.value) << row.caption;
  }
}

TEST_F(AccessibleTest, SettingAValueStepsTheArrowsThroughTheModel) {
  test::RecordingPeer peer;
  peer.attach(arrows);
  EXPECT_TRUE(accessibleSetValue(text, 8));
  EXPECT_EQ(arrows.Value(), 8);
  EXPECT_EQ(text.Text(), "8");  // each step ran the arrows' Change
  EXPECT_EQ(peer.log,
            (std::vector<std::string>{"arrows.Value=6", "arrows.Value=7", "arrows.Value=8"}));
  EXPECT_TRUE(accessibleSetValue(text, 2));
  EXPECT_EQ(arrows.Value(), 2);
  // Beyond the range the walk stops at the end; at the end nothing moves.
  EXPECT_TRUE(accessibleSetValue(text, -40));
  EXPECT_EQ(arrows.Value(), 1);
  EXPECT_FALSE(accessibleSetValue(text, 0));
  // A field that takes no input takes none from a screen reader either.
  text.setEnabled(false);
  EXPECT_FALSE(accessibleSetValue(text, 9));
  EXPECT_EQ(arrows.Value(), 1);
  EXPECT_FALSE(accessibleSetValue(plain, 3));
}

TEST_F(AccessibleTest, ActivatingIsTheControlsClick) {
  int pressed = 0;
  button.Click = [&] { ++pressed; };
  EXPECT_TRUE(accessibleActivate(button));
  EXPECT_EQ(pressed, 1);
  EXPECT_TRUE(accessibleActivate(option));
  EXPECT_TRUE(option.Value());
  button.setEnabled(false);
  EXPECT_FALSE(accessibleActivate(button));
  EXPECT_EQ(pressed, 1);
  EXPECT_FALSE(accessibleActivate(label));
}

TEST_F(AccessibleTest, AStatusLineAnnouncesCaptionsButNotQuietOnes) {
  test::RecordingPeer peer;
  peer.attach(label);
  label.announcesChanges = true;
  label.setCaption("Armed");
  label.setCaptionQuietly("Armed, 4");
  label.setCaption("Armed, 4");  // no change, nothing to tell
  label.announcesChanges = false;
  label.setCaption("Off");
  EXPECT_EQ(peer.log, (std::vector<std::string>{"label.Caption", "label.Announcement",
                                                "label.Caption", "label.Caption"}));
}

}  // namespace
}  // namespace slumbrix
