#include "ui/effective_style.h"

#include <gtest/gtest.h>

#include "support/headless_window_system.h"
#include "support/test_form.h"

namespace slumbrix::test {
namespace {

constexpr Color kWhite = Color::fromRgb(0xFFFFFF);
constexpr Color kGrey = Color::fromRgb(0xE0E0E0);

class EffectiveStyleTest : public ::testing::Test {
 protected:
  HeadlessWindowSystem ws;
  TestForm form{ws};
};

TEST_F(EffectiveStyleTest, AControlWithoutAFaceTakesItsFormsFont) {
  const Font formFont{"Arial", 10, false};
  struct Row {
    const char* what;
    Font own;
    Font formFont;
    Font expected;
  };
  const Row rows[] = {
      {"a face of its own", {"Courier New", 9, false}, formFont, {"Courier New", 9, false}},
      {"the untouched default: the form's whole font", Font{}, formFont, formFont},
      {"its own size and weight in the form's face", {"", 12, true}, formFont, {"Arial", 12, true}},
      {"a form without a face: the default face", {"", 12, true}, Font{}, {"", 12, true}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    form.cmd.font = row.own;
    form.font = row.formFont;
    EXPECT_EQ(effectiveFont(form.cmd), row.expected);
  }
  EXPECT_EQ(effectiveFont(form), Font{});  // the form's own
}

TEST_F(EffectiveStyleTest, AControlIsPaintedOnItsContainersColourUnlessItIsAField) {
  EXPECT_EQ(effectiveBackColor(form.opt0), std::nullopt);  // the system's
  form.backColor = kWhite;
  EXPECT_EQ(effectiveBackColor(form.opt0), kWhite);  // opt0 in pic in frame on the form
  form.frame.backColor = kGrey;
  EXPECT_EQ(effectiveBackColor(form.opt0), kGrey);
  EXPECT_EQ(effectiveBackColor(form.chk), kWhite);
  EXPECT_EQ(effectiveBackColor(form.label), kWhite);  // its own
  // A text field and a list show a field of their own, in the system's colour unless set.
  EXPECT_EQ(effectiveBackColor(form.txt), std::nullopt);
  EXPECT_EQ(effectiveBackColor(form.cmb), std::nullopt);
  form.txt.backColor = kGrey;
  EXPECT_EQ(effectiveBackColor(form.txt), kGrey);
}

TEST(MenuSeparator, IsTheDashCaptionAndIsNeverChosen) {
  HeadlessWindowSystem ws;
  TestForm form(ws);
  form.load();
  EXPECT_TRUE(form.mnuLine.isSeparator());
  EXPECT_FALSE(form.mnuRestore.isSeparator());
  EXPECT_FALSE(form.mnuLine.click());
  form.mnuLine.setCaption("--");
  EXPECT_FALSE(form.mnuLine.isSeparator());
  EXPECT_TRUE(form.mnuLine.click());
  EXPECT_EQ(form.events, std::vector<std::string>{"mnuLine.Click"});
}

}  // namespace
}  // namespace slumbrix::test
