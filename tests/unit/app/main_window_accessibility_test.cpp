#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frm_about.h"
#include "main_window_fixture.h"
#include "ui/accessible.h"
#include "ui/recording_peer.h"

namespace slumbrix::test {
namespace {

class MainWindowAccessibility : public MainWindowTest {
 protected:
  MainWindowAccessibility() { loadWindow(); }
};

TEST_F(MainWindowAccessibility, EveryControlHasTheRoleAndNameAReaderExpects) {
  struct Row {
    const char* control;
    int index;
    AccessibleRole role;
    const char* name;
  };
  const Row rows[] = {
      {"frmMain", -1, AccessibleRole::Frame, "Slumbrix"},
      {"frame", -1, AccessibleRole::Grouping, "Options"},
      {"lbl", 0, AccessibleRole::Label, "Action:"},
      {"cmbAction", -1, AccessibleRole::ComboBox, "Action:"},
      {"pic", -1, AccessibleRole::Pane, ""},
      {"opt", 0, AccessibleRole::RadioButton, "Activate in:"},
      {"txtPeriod", -1, AccessibleRole::SpinButton, "Activate in:"},
      {"vsPeriod", -1, AccessibleRole::None, ""},
      {"cmbUnit", -1, AccessibleRole::ComboBox, "Activate in:"},
      {"opt", 1, AccessibleRole::RadioButton, "Activate at:"},
      {"txtHour", -1, AccessibleRole::SpinButton, "Activate at:"},
      {"vsHour", -1, AccessibleRole::None, ""},
      {"txtMin", -1, AccessibleRole::SpinButton, "Activate at:"},
      {"vsMin", -1, AccessibleRole::None, ""},
      {"cmbT", -1, AccessibleRole::ComboBox, "Activate at:"},
      {"Option1", -1, AccessibleRole::RadioButton, "Activate if the CPU-Usage is less than"},
      {"txtAuslastung", -1, AccessibleRole::SpinButton, "Activate if the CPU-Usage is less than"},
      {"vsAuslastung", -1, AccessibleRole::None, ""},
      {"Label1", -1, AccessibleRole::Label, "%"},
      {"chkBlink", -1, AccessibleRole::CheckBox, "Flash the Tray-Icon at"},
      {"txtBlink", -1, AccessibleRole::SpinButton, "Flash the Tray-Icon at"},
      {"vsBlink", -1, AccessibleRole::None, ""},
      {"lbl", 1, AccessibleRole::Label, "sec. before action starts"},
      {"Frame2", -1, AccessibleRole::Grouping, "CPU-Usage"},
      {"lblCpuUsage", -1, AccessibleRole::Level, "CPU-Usage"},
      {"fraTime", -1, AccessibleRole::Grouping, "Time:"},
      {"Frame1", -1, AccessibleRole::Grouping, "Status:"},
      {"lblStatus", -1, AccessibleRole::StatusLine, "Timer Deactivated"},
      {"cmdTimer", -1, AccessibleRole::PushButton, "Activate Timer"},
      {"Command1", -1, AccessibleRole::PushButton, "Tray"},
      {"thetime", -1, AccessibleRole::None, ""},
  };
  for (const Row& row : rows) {
    const Control* c =
        row.control == std::string("frmMain") ? &form : form.find(row.control, row.index);
    ASSERT_NE(c, nullptr) << row.control;
    EXPECT_EQ(accessibleRole(*c), row.role) << c->displayName();
    EXPECT_EQ(accessibleName(*c), row.name) << c->displayName();
  }
  EXPECT_EQ(accessibleValue(form.txtPeriod), (AccessibleValue{1, 1, 999}));
  EXPECT_EQ(accessibleValue(form.txtHour), (AccessibleValue{1, 1, 12}));
  EXPECT_EQ(accessibleValue(form.txtMin), (AccessibleValue{0, 0, 59}));
  EXPECT_EQ(accessibleValue(form.txtAuslastung), (AccessibleValue{1, 1, 100}));
  EXPECT_EQ(accessibleValue(form.txtBlink), (AccessibleValue{30, 1, 999}));
  form.lblCpuUsage.setCaption("18");
  EXPECT_EQ(accessibleValue(form.lblCpuUsage), (AccessibleValue{18, 0, 100}));
  const frmAbout about(ws, platform);
  EXPECT_EQ(accessibleRole(about), AccessibleRole::Dialog);
  EXPECT_EQ(accessibleName(about.txtÜberProg), "Slumbrix");
}

TEST_F(MainWindowAccessibility, ChoosingTheClockTimeByScreenReaderArmsTheClockTime) {
  ASSERT_TRUE(accessibleActivate(form.opt1));
  EXPECT_FALSE(form.opt0.Value());
  EXPECT_TRUE(form.opt1.Value());
  EXPECT_TRUE(form.txtHour.Enabled());
  EXPECT_FALSE(form.txtPeriod.Enabled());
  ASSERT_TRUE(accessibleSetValue(form.txtHour, 3));
  EXPECT_EQ(form.txtHour.Text(), "3");
  ASSERT_TRUE(accessibleSetValue(form.txtHour, 1));
  ASSERT_TRUE(form.cmbT.choose(1));  // PM
  ASSERT_TRUE(accessibleActivate(form.cmdTimer));
  EXPECT_EQ(form.mdatTarget, datetime::fromLocalTime(LocalTime{2026, 12, 6, 13, 0, 0, 0}));
  // The period fields are out of reach while the clock time is chosen.
  EXPECT_FALSE(accessibleSetValue(form.txtPeriod, 5));
}

TEST_F(MainWindowAccessibility, TheStatusLineAnnouncesArmingAndDisarmingButNotTheSeconds) {
  RecordingPeer peer;
  peer.attach(form.lblStatus);
  std::vector<std::string> announced;
  const auto collect = [&] {
    for (const std::string& entry : peer.log)
      if (entry == "lblStatus.Announcement") announced.push_back(form.lblStatus.Caption());
    peer.log.clear();
  };
  form.cmbUnit.setText("Minutes");
  form.cmdTimer.click();
  ws.advance(500);
  collect();
  for (int tick = 0; tick < 6; ++tick) ws.advance(500);
  collect();
  EXPECT_EQ(form.lblStatus.Caption(), "57 Seconds to the execution");
  form.cmdTimer.click();
  collect();
  EXPECT_EQ(announced,
            (std::vector<std::string>{"60 Seconds to the execution", "Timer Deactivated"}));
  ASSERT_TRUE(form.Option1.click());
  form.cmdTimer.click();
  collect();
  EXPECT_EQ(announced.back(), "The CPU-Usage is supervised");
}

}  // namespace
}  // namespace slumbrix::test
