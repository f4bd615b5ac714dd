#include <gtest/gtest.h>

#include <set>

#include "main_window_fixture.h"

namespace slumbrix::test {
namespace {

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, WindowProperties) {
  EXPECT_EQ(form.Caption(), "Slumbrix");
  EXPECT_EQ(form.clientWidth, 5190);
  EXPECT_EQ(form.clientHeight, 6315);
  EXPECT_FALSE(form.showInTaskbar);
  EXPECT_TRUE(form.fixedDialog);
}

TEST_F(MainWindowLayout, TabIndexesAreDistinctFromZeroTo32) {
  std::set<int> seen;
  int count = 0;
  for (Control* c : form.controls()) {
    if (c->kind() == ControlKind::Timer || c->kind() == ControlKind::Menu) continue;
    seen.insert(c->tabIndex);
    ++count;
  }
  EXPECT_EQ(count, 33);
  EXPECT_EQ(seen.size(), 33u);
  EXPECT_EQ(*seen.begin(), 0);
  EXPECT_EQ(*seen.rbegin(), 32);
  EXPECT_EQ(form.cmdTimer.tabIndex, 0);
}

TEST_F(MainWindowLayout, ControlsSitInTheirContainers) {
  struct Row {
    const char* name;
    int index;
    const char* container;
    Rect bounds;
  };
  const Row rows[] = {
      {"txtPeriod", -1, "pic", {1440, 0, 495, 315}},
      {"opt", 1, "pic", {30, 540, 1395, 195}},
      {"Option1", -1, "pic", {30, 960, 3135, 195}},
      {"chkBlink", -1, "frame", {240, 2220, 1935, 255}},
      {"lblCpuUsage", -1, "picUsage", {0, 600, 930, 255}},
      {"picGraph", -1, "Frame2", {1200, 480, 3615, 975}},
      {"lblStatus", -1, "Frame1", {360, 200, 4290, 315}},
      {"Command1", -1, "frmMain", {2520, 5880, 1575, 375}},
      {"tmrRefresh", -1, "Frame2", {}},
      {"timercpushut", -1, "picGraph", {}},
  };
  for (const Row& row : rows) {
    Control* c = form.find(row.name, row.index);
    ASSERT_NE(c, nullptr) << row.name;
    EXPECT_EQ(c->container()->name(), row.container) << row.name;
    EXPECT_EQ(c->bounds().left, row.bounds.left) << row.name;
    EXPECT_EQ(c->bounds().top, row.bounds.top) << row.name;
    EXPECT_EQ(c->bounds().width, row.bounds.width) << row.name;
    EXPECT_EQ(c->bounds().height, row.bounds.height) << row.name;
  }
}

TEST_F(MainWindowLayout, InitialStates) {
  EXPECT_EQ(form.cmbAction.ListCount(), 5);
  EXPECT_EQ(form.cmbAction.ListIndex(), -1);
  EXPECT_EQ(form.cmbT.ItemData(1), 1);
  EXPECT_FALSE(form.chkForce.Visible());
  EXPECT_EQ(form.chkForce.Value(), 1);
  EXPECT_EQ(form.chkBlink.Value(), 1);
  EXPECT_TRUE(form.txtAuslastung.Locked());
  EXPECT_EQ(form.txtPeriod.MaxLength(), 3);
  EXPECT_EQ(form.txtHour.MaxLength(), 2);
  EXPECT_EQ(form.vsPeriod.Min(), 999);
  EXPECT_EQ(form.vsPeriod.Max(), 1);
  EXPECT_EQ(form.lblCpuUsage.Caption(), "0");
  EXPECT_EQ(form.lbltime.Caption(), "");
  EXPECT_EQ(form.lblStatus.Caption(), "Timer Deactivated");
  EXPECT_TRUE(form.thetime.Enabled());
  EXPECT_FALSE(form.Timer_.Enabled());
  EXPECT_FALSE(form.tmrRefresh.Enabled());
  EXPECT_FALSE(form.timercpushut.Enabled());
  EXPECT_EQ(form.timercpushut.Interval(), 10);
  // Only the clock and the meter may give up precision to share a wake-up.
  EXPECT_TRUE(form.thetime.coarse && form.tmrRefresh.coarse);
  EXPECT_FALSE(form.Timer_.coarse || form.timercpushut.coarse);
  EXPECT_EQ(form.picGraph.scaleMode(), ScaleMode::User);
  EXPECT_EQ(form.picGraph.scaleWidth(), 100);
  EXPECT_EQ(form.lblCpuUsage.foreColor->colorRef(), 0x0000C0u);
  EXPECT_FALSE(form.cmdTimer.isDefault || form.cmdTimer.isCancel);
}

TEST_F(MainWindowLayout, MenuBarShowsFileOnly) {
  std::vector<std::string> bar;
  for (Control* c : form.controls())
    if (c->kind() == ControlKind::Menu && c->container() == &form && c->Visible())
      bar.push_back(static_cast<Menu*>(c)->Caption());
  EXPECT_EQ(bar, std::vector<std::string>{"File"});
  ASSERT_EQ(form.mnuPopup.items().size(), 2u);
  EXPECT_EQ(form.mnuPopup.items()[0]->Caption(), "Restore");
  EXPECT_EQ(form.menuDatei.items()[1]->Caption(), "Exit Slumbrix");
}

}  // namespace
}  // namespace slumbrix::test
