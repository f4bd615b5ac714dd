#include "cpu/meter.h"

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "support/scripted_cpu_usage.h"

namespace slumbrix::test {
namespace {

// The lit segments of a drawn bar, top (0) to bottom (10), as L and -.
std::string segments(const PictureBox& bar) {
  std::string s(11, '?');
  for (const DrawOp& op : bar.drawing()) {
    EXPECT_EQ(op.kind, DrawOp::Kind::FilledBox);
    EXPECT_EQ(op.mode, ScaleMode::Pixel);
    const int i = (static_cast<int>(op.y1) - 5) / 3;
    EXPECT_EQ(op.y2, op.y1 + 1);
    EXPECT_EQ(op.x1, 5);
    EXPECT_EQ(op.x2, 55);
    s[static_cast<std::size_t>(i)] = op.color == mdMisc::kLit ? 'L' : '-';
  }
  return s;
}

TEST(DrawCPUUsage, LightsTheSegmentsUpToTheFigure) {
  struct Row {
    std::int32_t usage;
    const char* lit;
  };
  const Row rows[] = {
      {0, "-----------"},   {1, "----------L"},  {5, "----------L"},  {9, "----------L"},
      {10, "---------LL"},  {19, "---------LL"}, {55, "-----LLLLLL"}, {100, "LLLLLLLLLLL"},
      {150, "LLLLLLLLLLL"}, {-2, "-----------"},
  };
  PictureBox bar("picUsage");
  PictureBox graph("picGraph");
  graph.setUserScale(0, 0, 100, 100);
  mdMisc::UsageHistory history{};
  for (const Row& row : rows) {
    mdMisc::DrawCPUUsage(row.usage, bar, graph, history);
    EXPECT_EQ(bar.drawing().size(), 11u) << "the bar is repainted in place";
    EXPECT_EQ(segments(bar), row.lit) << row.usage;
  }
}

TEST(DrawCPUUsage, GraphShowsTheLast100SamplesNewestAtTheRight) {
  PictureBox bar("picUsage");
  PictureBox graph("picGraph");
  graph.setUserScale(0, 0, 100, 100);
  mdMisc::UsageHistory history{};
  mdMisc::DrawCPUUsage(37, bar, graph, history);
  ASSERT_EQ(graph.drawing().size(), 99u);
  const DrawOp& newest = graph.drawing().back();
  EXPECT_EQ(newest.mode, ScaleMode::User);
  EXPECT_EQ(newest.x2, 99);
  EXPECT_EQ(newest.y2, 63);
  EXPECT_EQ(newest.y1, 100);  // the zeros of the start lie on the bottom edge
  EXPECT_EQ(graph.drawing().front().x1, 0);

  for (int sample = 1; sample <= 100; ++sample) mdMisc::DrawCPUUsage(sample, bar, graph, history);
  // 101 samples: the first real one (37) has left, 1 is now the oldest.
  EXPECT_EQ(history.front(), 1);
  EXPECT_EQ(history.back(), 100);
  EXPECT_EQ(graph.drawing().size(), 99u);
  EXPECT_EQ(graph.drawing().front().y1, 99);
}

TEST(ShiftHistory, MovesTowardTheOldestAndKeepsTheNewest) {
  mdMisc::UsageHistory history{};
  for (std::size_t i = 0; i < history.size(); ++i) history[i] = static_cast<std::int32_t>(i);
  mdMisc::ShiftHistory(history);
  EXPECT_EQ(history[0], 1);
  EXPECT_EQ(history[98], 99);
  EXPECT_EQ(history[99], 99);
}

class Meter : public MainWindowTest {
 protected:
  Meter() {
    loadWindow();
    form.mCPUUsage = std::make_unique<ScriptedCpuUsage>(std::vector<std::int32_t>{42, -1, 7});
    form.tmrRefresh.setEnabled(true);
  }
};

TEST_F(Meter, EveryTickShowsTheNewFigure) {
  ws.advance(500);
  EXPECT_EQ(form.lblCpuUsage.Caption(), "42");
  EXPECT_EQ(form.mlngUsageHistory.back(), 42);
  EXPECT_TRUE(ws.messageBoxes.empty());
}

TEST_F(Meter, AFailedSampleStopsTheMeterForGoodAndTheRestGoesOn) {
  form.cmbUnit.setText("Seconds");
  form.txtPeriod.setText("30");
  form.cmdTimer.click();
  ws.advance(1000);
  EXPECT_EQ(form.lblCpuUsage.Caption(), "?");
  EXPECT_FALSE(form.tmrRefresh.Enabled());
  ASSERT_EQ(ws.messageBoxes.size(), 1u);
  EXPECT_EQ(ws.messageBoxes[0].text, "Error while retrieving CPU usage");
  EXPECT_EQ(ws.messageBoxes[0].style, kMbOk);
  EXPECT_EQ(ws.messageBoxes[0].title, "Slumbrix");
  const auto drawing = form.picGraph.drawing();
  EXPECT_EQ(form.mlngUsageHistory.back(), 42);

  ws.advance(5000);
  EXPECT_EQ(ws.messageBoxes.size(), 1u);
  EXPECT_EQ(form.lblCpuUsage.Caption(), "?");
  EXPECT_EQ(form.picGraph.drawing(), drawing);
  EXPECT_EQ(form.lblStatus.Caption(), "24 Seconds to the execution");
  EXPECT_FALSE(form.lbltime.Caption().empty());
}

}  // namespace
}  // namespace slumbrix::test
