#include "ui/scroll_bar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "support/test_form.h"

namespace slumbrix {
namespace {

using ::testing::ElementsAre;

class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.load();
    vsHour.setRange(12, 1);  // a spin button: Min is the upper bound
    vsHour.Change = [&] { log.push_back("change " + std::to_string(vsHour.Value())); };
  }

  test::HeadlessWindowSystem ws;
  test::TestForm form{ws};
  VScrollBar& vsHour = form.vs;
  TextBox& txtHour = form.txt;
  std::vector<std::string> log;
};

TEST_F(ScrollBarTest, AssigningAValueRunsChangeNestedOnlyWhenItDiffers) {
  struct Row {
    std::int16_t start;
    std::int16_t assigned;
    std::int16_t expected;
    std::vector<std::string> expectedLog;
  };
  const Row rows[] = {
      {5, 5, 5, {"before", "after"}},
      {5, 6, 6, {"before", "change 6", "after"}},
      {12, 13, 12, {"before", "after"}},  // beyond the bound it already holds
      {12, 0, 1, {"before", "change 1", "after"}},
      {1, -5, 1, {"before", "after"}},
  };
  for (const Row& row : rows) {
    vsHour.setValue(row.start);
    log.clear();
    log.push_back("before");
    vsHour.setValue(row.assigned);
    log.push_back("after");
    EXPECT_EQ(vsHour.Value(), row.expected) << row.start << " <- " << row.assigned;
    EXPECT_EQ(log, row.expectedLog) << row.start << " <- " << row.assigned;
  }
}

TEST_F(ScrollBarTest, SpinPairSettlesWithoutReentry) {
  // The text writes the value and the value writes the text back; the round trip must end
  // after one nested visit of each handler.
  vsHour.setValue(1);
  txtHour.setText("1");
  log.clear();
  txtHour.Change = [&] {
    log.push_back("txt+" + txtHour.Text());
    vsHour.setValue(static_cast<std::int16_t>(std::stoi("0" + txtHour.Text())));
    log.push_back("txt-" + txtHour.Text());
  };
  vsHour.Change = [&] {
    log.push_back("vs+" + std::to_string(vsHour.Value()));
    txtHour.setText(std::to_string(vsHour.Value()));
    log.push_back("vs-" + std::to_string(vsHour.Value()));
  };

  EXPECT_TRUE(vsHour.arrowUp());
  EXPECT_THAT(log, ElementsAre("vs+2", "txt+2", "txt-2", "vs-2"));
  EXPECT_EQ(txtHour.Text(), "2");

  log.clear();
  txtHour.setText("07");  // reads 7: the value moves, the text is rewritten to "7"
  EXPECT_THAT(log, ElementsAre("txt+07", "vs+7", "txt+7", "txt-7", "vs-7", "txt-7"));
  EXPECT_EQ(vsHour.Value(), 7);
}

TEST_F(ScrollBarTest, UpArrowMovesTowardMinAndStopsAtEitherBound) {
  struct Row {
    std::int16_t min, max, start;
    bool up;
    std::int16_t expected;
  };
  const Row rows[] = {
      {12, 1, 5, true, 6},      {12, 1, 5, false, 4}, {12, 1, 12, true, 12},
      {12, 1, 1, false, 1},     {59, 0, 9, true, 10}, {59, 0, 0, false, 0},
      {0, 100, 5, true, 4},     {0, 100, 0, true, 0}, {0, 100, 100, false, 100},
      {999, 1, 998, true, 999},
  };
  for (const Row& row : rows) {
    vsHour.setRange(row.min, row.max);
    vsHour.setValue(row.start);
    ASSERT_EQ(vsHour.Value(), row.start);
    log.clear();
    EXPECT_TRUE(row.up ? vsHour.arrowUp() : vsHour.arrowDown());
    EXPECT_EQ(vsHour.Value(), row.expected)
        << row.min << ".." << row.max << " from " << row.start << (row.up ? " up" : " down");
    // An arrow at its bound changes nothing and runs nothing.
    EXPECT_EQ(log.size(), row.expected == row.start ? 0u : 1u);
  }
}

TEST_F(ScrollBarTest, PageStepsMoveLargeChangeInOneChangeAndStopAtTheEnd) {
  struct Row {
    std::int16_t largeChange, start;
    bool up;
    std::int16_t expected;
    std::vector<std::string> expectedLog;
  };
  const Row rows[] = {
      {1, 5, true, 6, {"change 6"}},  // the program's spin buttons: a page is one step
      {1, 5, false, 4, {"change 4"}},   {4, 5, true, 9, {"change 9"}},  // one change, not four
      {4, 10, true, 12, {"change 12"}}, {4, 12, true, 12, {}},
      {4, 3, false, 1, {"change 1"}},
  };
  for (const Row& row : rows) {
    vsHour.LargeChange = row.largeChange;
    vsHour.setValue(row.start);
    log.clear();
    EXPECT_TRUE(row.up ? vsHour.pageUp() : vsHour.pageDown());
    EXPECT_EQ(vsHour.Value(), row.expected) << row.start << (row.up ? " up" : " down");
    EXPECT_EQ(log, row.expectedLog) << row.start << (row.up ? " up" : " down");
  }
  vsHour.setEnabled(false);
  EXPECT_FALSE(vsHour.pageUp());
}

TEST_F(ScrollBarTest, RangeChangeBringsTheValueInside) {
  vsHour.setValue(12);
  log.clear();
  vsHour.setRange(59, 0);
  EXPECT_EQ(vsHour.Value(), 12);
  EXPECT_TRUE(log.empty());
  vsHour.setRange(10, 1);
  EXPECT_EQ(vsHour.Value(), 10);
  EXPECT_THAT(log, ElementsAre("change 10"));
}

}  // namespace
}  // namespace slumbrix
