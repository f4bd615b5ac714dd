#include "ui/text_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_window_system.h"
#include "ui/form.h"

namespace slumbrix {
namespace {

using ::testing::ElementsAre;

class TextBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { form.load(); }

  test::HeadlessWindowSystem ws;
  Form form{"frmTest", ws};
  TextBox& txtA = form.add<TextBox>(nullptr, "txtA");
  TextBox& txtB = form.add<TextBox>(nullptr, "txtB");
  std::vector<std::string> log;
};

TEST_F(TextBoxTest, AssignmentRunsChangeNestedToCompletionBeforeReturning) {
  // txtA clamps "13" to "12" by assigning itself, then copies its text into txtB.
  txtA.Change = [&] {
    log.push_back("A+" + txtA.Text());
    if (txtA.Text() == "13") txtA.setText("12");
    txtB.setText(txtA.Text());
    log.push_back("A-" + txtA.Text());
  };
  txtB.Change = [&] { log.push_back("B " + txtB.Text()); };

  log.push_back("before");
  txtA.setText("13");
  log.push_back("after " + txtA.Text());

  EXPECT_THAT(log, ElementsAre("before", "A+13", "A+12", "B 12", "A-12", "A-12", "after 12"));
}

TEST_F(TextBoxTest, AssigningTheTextItHoldsRunsNothing) {
  int changes = 0;
  txtA.Change = [&] { ++changes; };
  txtA.setText("");
  EXPECT_EQ(changes, 0);
  txtA.setText("7");
  txtA.setText("7");
  EXPECT_EQ(changes, 1);
  txtA.select(0, 1);
  EXPECT_TRUE(txtA.paste("7"));  // a typed edit that ends where it began
  EXPECT_EQ(changes, 1);
}

TEST_F(TextBoxTest, TypedCharacterReachesKeyPressByReferenceFirst) {
  struct Row {
    std::int16_t typed;
    bool taken;
    std::vector<std::string> expectedLog;
  };
  const Row rows[] = {
      {'5', true, {"key 53 in 12", "change 125"}},   // passed through
      {'x', false, {"key 120 in 12"}},               // set to 0: discarded
      {'u', true, {"key 117 in 12", "change 12U"}},  // replaced by the handler
      {TextBox::kBackspace, true, {"key 8 in 12", "change 1"}},
  };
  txtA.KeyPress = [&](std::int16_t& key) {
    log.push_back("key " + std::to_string(key) + " in " + txtA.Text());
    if (key == 'x') key = 0;
    if (key == 'u') key = 'U';
  };
  txtA.Change = [&] { log.push_back("change " + txtA.Text()); };
  for (const Row& row : rows) {
    txtA.setText("12");
    log.clear();
    EXPECT_EQ(txtA.typeChar(row.typed), row.taken) << row.typed;
    EXPECT_EQ(log, row.expectedLog) << row.typed;
  }
}

TEST_F(TextBoxTest, ClipboardShortcutsActOnlyWhenKeyPressLetsThemPass) {
  ws.clipboard = "pasted";
  txtA.setText("12345");
  txtA.select(1, 2);
  EXPECT_TRUE(txtA.typeChar(TextBox::kCtrlC));
  EXPECT_EQ(ws.clipboard, "23");
  EXPECT_TRUE(txtA.typeChar(TextBox::kCtrlX));
  EXPECT_EQ(txtA.Text(), "145");
  EXPECT_EQ(ws.clipboard, "23");
  EXPECT_TRUE(txtA.typeChar(TextBox::kCtrlV));
  EXPECT_EQ(txtA.Text(), "12345");
  EXPECT_TRUE(txtA.typeChar(TextBox::kCtrlA));
  EXPECT_EQ(txtA.SelLength(), 5);
  EXPECT_FALSE(txtA.typeChar(26));  // Ctrl+Z: the field keeps no undo
  EXPECT_EQ(txtA.Text(), "12345");

  // A key handler that discards every control character: none of them does anything.
  txtA.KeyPress = [](std::int16_t& key) {
    if (key < 32) key = 0;
  };
  txtA.select(1, 1);
  ws.clipboard = "9";
  for (std::int16_t key : {TextBox::kCtrlA, TextBox::kCtrlC, TextBox::kCtrlV, TextBox::kCtrlX})
    EXPECT_FALSE(txtA.typeChar(key)) << key;
  EXPECT_EQ(txtA.Text(), "12345");
  EXPECT_EQ(txtA.SelStart(), 1);
  EXPECT_EQ(txtA.SelLength(), 1);
  EXPECT_EQ(ws.clipboard, "9");
  // The clipboard commands of the menu and of Shift+Insert do not pass through KeyPress.
  EXPECT_TRUE(txtA.pasteClipboard());
  EXPECT_EQ(txtA.Text(), "19345");
}

TEST_F(TextBoxTest, PastingTakesTheFirstLineIntoAOneLineField) {
  struct Row {
    bool multiLine;
    std::string clipboard;
    std::string text;
  };
  const Row rows[] = {
      {false, "12a\r\nxyz", "12a"},       {false, "7\nline", "7"},  {false, "8\rline", "8"},
      {true, "a\nb\r\nc", "a\r\nb\r\nc"}, {true, "a\r\n", "a\r\n"},
  };
  for (const Row& row : rows) {
    txtA.multiLine = row.multiLine;
    txtA.setText("");
    ws.clipboard = row.clipboard;
    EXPECT_TRUE(txtA.pasteClipboard()) << row.clipboard;
    EXPECT_EQ(txtA.Text(), row.text) << row.clipboard;
  }
  // Nothing to paste: the selection stays.
  txtA.setText("12");
  txtA.selectAll();
  for (const char* empty : {"", "\r\nsecond line"}) {
    txtA.multiLine = false;
    ws.clipboard = empty;
    EXPECT_FALSE(txtA.pasteClipboard());
    EXPECT_EQ(txtA.Text(), "12");
  }
}

TEST_F(TextBoxTest, AReadOnlyFieldCopiesAndSelectsButNeitherCutsNorPastes) {
  txtA.multiLine = true;
  txtA.setText("notice\r\ntext");
  txtA.setLocked(true);
  ws.clipboard = "kept";
  EXPECT_FALSE(txtA.copy());  // nothing selected
  EXPECT_TRUE(txtA.typeChar(TextBox::kCtrlA));
  EXPECT_FALSE(txtA.typeChar(TextBox::kCtrlX));
  EXPECT_FALSE(txtA.cut());
  EXPECT_EQ(ws.clipboard, "kept");
  EXPECT_TRUE(txtA.typeChar(TextBox::kCtrlC));
  EXPECT_EQ(ws.clipboard, "notice\r\ntext");
  EXPECT_FALSE(txtA.typeChar(TextBox::kCtrlV));
  EXPECT_FALSE(txtA.pasteClipboard());
  EXPECT_FALSE(txtA.typeChar(TextBox::kEnter));
  EXPECT_EQ(txtA.Text(), "notice\r\ntext");

  txtA.setLocked(false);  // Enter starts a line only in a field of several lines
  txtA.select(6, 0);
  EXPECT_TRUE(txtA.typeChar(TextBox::kEnter));
  EXPECT_EQ(txtA.Text(), "notice\r\n\r\ntext");
  txtB.setText("1");
  EXPECT_FALSE(txtB.typeChar(TextBox::kEnter));
  EXPECT_EQ(txtB.Text(), "1");
}

TEST_F(TextBoxTest, BackspaceDiscardedByKeyPressLeavesTheText) {
  txtA.setText("12");
  txtA.KeyPress = [](std::int16_t& key) { key = 0; };
  EXPECT_FALSE(txtA.typeChar(TextBox::kBackspace));
  EXPECT_EQ(txtA.Text(), "12");
}

TEST_F(TextBoxTest, DeleteAndPasteDoNotPassThroughKeyPress) {
  int keyPresses = 0;
  txtA.KeyPress = [&](std::int16_t& key) {
    ++keyPresses;
    key = 0;
  };
  txtA.setText("123");
  ASSERT_TRUE(txtA.select(0, 0));
  EXPECT_TRUE(txtA.pressDelete());
  EXPECT_EQ(txtA.Text(), "23");
  EXPECT_TRUE(txtA.paste("ab"));
  EXPECT_EQ(txtA.Text(), "ab23");
  EXPECT_TRUE(txtA.replaceText("x"));
  EXPECT_EQ(txtA.Text(), "x");
  EXPECT_EQ(keyPresses, 0);
}

TEST_F(TextBoxTest, DeleteRemovesTheSelectionOrTheCharacterAfterTheCaret) {
  txtA.setText("12345");
  txtA.select(1, 2);
  EXPECT_TRUE(txtA.pressDelete());
  EXPECT_EQ(txtA.Text(), "145");
  txtA.select(3, 0);
  EXPECT_TRUE(txtA.pressDelete());  // at the end: nothing to remove
  EXPECT_EQ(txtA.Text(), "145");
}

TEST_F(TextBoxTest, MaxLengthLimitsTheUserButNotTheProgram) {
  txtA.setMaxLength(3);
  txtA.setText("12345");
  EXPECT_EQ(txtA.Text(), "12345");

  EXPECT_TRUE(txtA.replaceText("98765"));
  EXPECT_EQ(txtA.Text(), "987");
  EXPECT_FALSE(txtA.typeChar('4'));
  EXPECT_EQ(txtA.Text(), "987");

  txtA.select(1, 1);  // typing over a selection has room again
  EXPECT_TRUE(txtA.typeChar('4'));
  EXPECT_EQ(txtA.Text(), "947");
  txtA.select(3, 0);
  EXPECT_TRUE(txtA.typeChar(TextBox::kBackspace));
  EXPECT_EQ(txtA.Text(), "94");
}

TEST_F(TextBoxTest, LockedFieldRefusesEveryEditButTheProgramsAssignment) {
  int changes = 0;
  txtA.Change = [&] { ++changes; };
  txtA.setText("50");
  txtA.setLocked(true);
  changes = 0;

  EXPECT_TRUE(txtA.select(0, 2));  // selecting still works
  EXPECT_FALSE(txtA.typeChar('7'));
  EXPECT_FALSE(txtA.typeChar(TextBox::kBackspace));
  EXPECT_FALSE(txtA.pressDelete());
  EXPECT_FALSE(txtA.paste("9"));
  EXPECT_FALSE(txtA.replaceText("9"));
  EXPECT_EQ(txtA.Text(), "50");
  EXPECT_EQ(changes, 0);

  txtA.setText("100");
  EXPECT_EQ(txtA.Text(), "100");
  EXPECT_EQ(changes, 1);
}

TEST_F(TextBoxTest, TypedTextFollowsTheCaretAfterTheProgramRewritesIt) {
  // A handler that rewrites the text must not leave the caret past its end.
  txtA.Change = [&] {
    if (txtA.Text().size() > 2) txtA.setText("1");
  };
  txtA.setText("12");
  txtA.select(2, 0);
  EXPECT_TRUE(txtA.typeChar('3'));
  EXPECT_EQ(txtA.Text(), "1");
  EXPECT_LE(txtA.SelStart(), 1);
  EXPECT_TRUE(txtA.typeChar('4'));
  EXPECT_EQ(txtA.Text().size(), 2u);
}

}  // namespace
}  // namespace slumbrix
