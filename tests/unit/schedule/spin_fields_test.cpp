#include "schedule/spin_fields.h"

#include <gtest/gtest.h>

#include <random>

#include "main_window_fixture.h"
#include "ui/numbers.h"

namespace slumbrix::test {
namespace {

TEST(IsDigitKey, AcceptsOnlyTheTenDigits) {
  for (int code = -1; code < 300; ++code) {
    const bool digit = code >= '0' && code <= '9';
    EXPECT_EQ(IsDigitKey(static_cast<std::int16_t>(code)), digit ? kVbTrue : kVbFalse) << code;
  }
}

class SpinFields : public MainWindowTest {
 protected:
  SpinFields() {
    loadWindow();
    form.opt1.click();  // enables the hour and minute pairs as well
    form.chkBlink.setValue(1);
  }
  void typeAtEnd(TextBox& field, char c) {
    field.select(static_cast<int>(field.Text().size()), 0);
    field.typeChar(c);
  }
};

TEST_F(SpinFields, StartValues) {
  EXPECT_EQ(form.txtPeriod.Text(), "1");
  EXPECT_EQ(form.vsPeriod.Value(), 1);
  EXPECT_EQ(form.txtHour.Text(), "1");
  EXPECT_EQ(form.txtMin.Text(), "00");
  EXPECT_EQ(form.vsMin.Value(), 0);
  EXPECT_EQ(form.txtBlink.Text(), "30");
  EXPECT_EQ(form.vsBlink.Value(), 30);
  EXPECT_EQ(form.txtAuslastung.Text(), "1");
}

TEST_F(SpinFields, WorkedExampleTypingThirteenIntoTheHour) {
  std::vector<std::string> events;
  form.txtHour.Change = [&] {
    events.push_back("txt " + form.txtHour.Text());
    form.txtHour_Change();
  };
  form.vsHour.Change = [&] {
    events.push_back("vs " + std::to_string(form.vsHour.Value()));
    form.vsHour_Change();
  };
  typeAtEnd(form.txtHour, '3');
  EXPECT_EQ(form.txtHour.Text(), "12");
  EXPECT_EQ(form.vsHour.Value(), 12);
  EXPECT_EQ(events, (std::vector<std::string>{"txt 13", "txt 12", "vs 12"}));
}

TEST_F(SpinFields, FilteredKeysLeaveTheTextUnchanged) {
  for (TextBox* field : {&form.txtPeriod, &form.txtHour, &form.txtMin, &form.txtBlink}) {
    const std::string before = field->Text();
    for (char c : std::string("a -./:") + char{TextBox::kBackspace} + char{22}) {
      typeAtEnd(*field, c);
      EXPECT_EQ(field->Text(), before) << field->name() << " code " << int{c};
    }
  }
}

TEST_F(SpinFields, EveryControlCharacterIsDiscardedInTheDigitFields) {
  // The clipboard shortcuts included: Ctrl+V neither pastes, Ctrl+X neither cuts, Ctrl+C
  // copies nothing and Ctrl+A selects nothing.
  for (TextBox* field : {&form.txtPeriod, &form.txtHour, &form.txtMin, &form.txtBlink}) {
    (field == &form.txtPeriod ? form.opt0 : form.opt1).click();
    const std::string before = field->Text();
    for (std::int16_t code = 1; code < 32; ++code) {
      ws.clipboard = "7";
      field->select(0, 1);
      EXPECT_FALSE(field->typeChar(code)) << field->name() << " code " << code;
      EXPECT_EQ(field->Text(), before) << field->name() << " code " << code;
      EXPECT_EQ(field->SelStart(), 0) << field->name() << " code " << code;
      EXPECT_EQ(field->SelLength(), 1) << field->name() << " code " << code;
      EXPECT_EQ(ws.clipboard, "7") << field->name() << " code " << code;
    }
    // Pasting from the context menu (or Shift+Insert) still passes, and is clamped.
    ws.clipboard = "12a\r\n34";
    field->selectAll();
    EXPECT_TRUE(field->pasteClipboard()) << field->name();
    EXPECT_EQ(IsDigitKey(field->Text().at(0)), kVbTrue) << field->name();
  }
  EXPECT_EQ(form.txtPeriod.Text(), "12");
  EXPECT_EQ(form.vsPeriod.Value(), 12);
  EXPECT_EQ(form.txtHour.Text(), "12");
}

TEST_F(SpinFields, FieldsWithoutAKeyFilterKeepCopyingAndSelecting) {
  form.Option1.click();
  form.vsAuslastung.arrowUp();
  ASSERT_EQ(form.txtAuslastung.Text(), "2");
  EXPECT_TRUE(form.txtAuslastung.typeChar(TextBox::kCtrlA));
  EXPECT_TRUE(form.txtAuslastung.typeChar(TextBox::kCtrlC));
  EXPECT_EQ(ws.clipboard, "2");
  ws.clipboard = "55";
  EXPECT_FALSE(form.txtAuslastung.typeChar(TextBox::kCtrlV));  // read-only
  EXPECT_FALSE(form.txtAuslastung.typeChar(TextBox::kCtrlX));
  EXPECT_EQ(form.txtAuslastung.Text(), "2");
  EXPECT_EQ(ws.clipboard, "55");
}

TEST_F(SpinFields, EditsAreClampedAsTheyHappen) {
  struct Row {
    TextBox* field;
    std::int16_t valueBefore;
    const char* replacement;  // "" empties the field
    const char* text;
    std::int16_t value;
  };
  const Row rows[] = {
      {&form.txtHour, 5, "0", "1", 1},   // typed over the whole text
      {&form.txtPeriod, 5, "", "1", 1},  // emptied
      {&form.txtHour, 5, "", "1", 1},
      {&form.txtBlink, 5, "", "1", 1},
      {&form.txtMin, 7, "", "00", 0},  // emptied with a value: rewritten
      {&form.txtMin, 0, "", "", 0},    // already 0: left empty
      {&form.txtMin, 0, "7", "7", 7},  // typed digits stay as typed
      {&form.txtMin, 7, "0", "0", 0},
      {&form.txtMin, 7, "7", "7", 7},  // reading equals the value: kept
      {&form.txtPeriod, 5, "05", "05", 5},
      {&form.txtPeriod, 3, "12a", "12", 12},  // pasted
      {&form.txtPeriod, 12, "12a", "12a", 12},
      {&form.txtBlink, 30, "9999", "999", 999},  // cut to three characters on entry
      {&form.txtHour, 1, "99", "12", 12},
      {&form.txtMin, 1, "60", "59", 59},
      {&form.txtPeriod, 1, ".6", "1", 1},
      {&form.txtMin, 1, ".5", "00", 0},   // half to even; not digits: rewritten
      {&form.txtMin, 1, "1.5", "1.", 1},  // cut to two characters on entry
      {&form.txtMin, 5, "1.5", "01", 1},
  };
  for (const Row& row : rows) {
    auto& spin = row.field == &form.txtPeriod ? form.vsPeriod
                 : row.field == &form.txtHour ? form.vsHour
                 : row.field == &form.txtMin  ? form.vsMin
                                              : form.vsBlink;
    (row.field == &form.txtPeriod ? form.opt0 : form.opt1).click();
    spin.setValue(row.valueBefore);
    ASSERT_EQ(spin.Value(), row.valueBefore);
    row.field->replaceText(row.replacement);
    EXPECT_EQ(row.field->Text(), row.text)
        << row.field->name() << " <- '" << row.replacement << "'";
    EXPECT_EQ(spin.Value(), row.value) << row.field->name() << " <- '" << row.replacement << "'";
  }
}

// The minute typed key by key over the selected field: each digit stays as typed, so the
// second one fits, and arming takes the minute typed.
TEST_F(SpinFields, TypingTwoDigitsIntoTheMinuteGivesThatMinute) {
  struct Row {
    const char* start;  // "" empties the field while its value is 0
    const char* keys;
    const char* text;
    std::int16_t value;
  };
  const Row rows[] = {
      {"00", "45", "45", 45}, {"00", "33", "33", 33}, {"30", "12", "12", 12},
      {"", "7", "7", 7},      {"00", "07", "07", 7},  {"45", "99", "59", 59},
  };
  for (const Row& row : rows) {
    if (*row.start == '\0') form.txtMin.replaceText("00");
    form.txtMin.replaceText(row.start);
    ASSERT_EQ(form.txtMin.Text(), row.start);
    form.txtMin.selectAll();
    for (const char* key = row.keys; *key != '\0'; ++key) ASSERT_TRUE(form.txtMin.typeChar(*key));
    EXPECT_EQ(form.txtMin.Text(), row.text) << row.start << " <- " << row.keys;
    EXPECT_EQ(form.vsMin.Value(), row.value) << row.start << " <- " << row.keys;
  }
  // What the program itself writes keeps two digits: the arrows, from the typed "7" too.
  form.vsMin.arrowDown();
  EXPECT_EQ(form.txtMin.Text(), "58");
  form.txtMin.replaceText("7");
  form.vsMin.arrowUp();
  EXPECT_EQ(form.txtMin.Text(), "08");

  form.txtHour.replaceText("10");
  form.cmbT.setText("PM");
  form.txtMin.selectAll();
  form.txtMin.typeChar('4');
  form.txtMin.typeChar('5');
  form.cmdTimer.click();
  EXPECT_EQ(form.mdatTarget, datetime::fromParts(2026, 12, 6, 22, 45, 0));
}

TEST_F(SpinFields, ArrowsStopAtTheBoundsAndRewriteTheText) {
  form.Option1.click();
  form.chkBlink.setValue(1);
  struct Row {
    VScrollBar* spin;
    TextBox* field;
    std::int16_t start;
    bool up;
    const char* text;
  };
  const Row rows[] = {
      {&form.vsPeriod, &form.txtPeriod, 999, true, "999"},
      {&form.vsPeriod, &form.txtPeriod, 1, false, "1"},
      {&form.vsBlink, &form.txtBlink, 999, true, "999"},
      {&form.vsAuslastung, &form.txtAuslastung, 100, true, "100"},
      {&form.vsAuslastung, &form.txtAuslastung, 1, false, "1"},
      {&form.vsAuslastung, &form.txtAuslastung, 41, true, "42"},
  };
  form.opt0.click();
  for (const Row& row : rows) {
    form.Option1.click();  // the threshold pair
    if (row.spin == &form.vsPeriod) form.opt0.click();
    row.spin->setValue(row.start);
    row.up ? row.spin->arrowUp() : row.spin->arrowDown();
    EXPECT_EQ(row.field->Text(), row.text) << row.spin->name();
  }
  form.opt1.click();
  struct MinuteRow {
    std::int16_t start;
    bool up;
    const char* text;
  };
  for (const MinuteRow& row :
       {MinuteRow{9, true, "10"}, MinuteRow{0, true, "01"}, MinuteRow{10, false, "09"},
        MinuteRow{59, true, "59"}, MinuteRow{0, false, "00"}}) {
    form.vsMin.setValue(row.start);
    row.up ? form.vsMin.arrowUp() : form.vsMin.arrowDown();
    EXPECT_EQ(form.txtMin.Text(), row.text) << row.start;
  }
  form.vsHour.setValue(12);
  form.vsHour.arrowUp();
  EXPECT_EQ(form.txtHour.Text(), "12");
}

TEST_F(SpinFields, ThresholdFieldIsReadOnlyAndMovesByItsArrows) {
  form.Option1.click();
  EXPECT_FALSE(form.txtAuslastung.typeChar('5'));
  EXPECT_FALSE(form.txtAuslastung.replaceText("50"));
  for (int i = 0; i < 120; ++i) form.vsAuslastung.arrowUp();
  EXPECT_EQ(form.txtAuslastung.Text(), "100");
  form.txtAuslastung.setText("250");  // only the program can write it
  EXPECT_EQ(form.txtAuslastung.Text(), "100");
}

// After every user action each spin value lies within its bounds and each clamped field
// reads within them, whatever the sequence.
TEST_F(SpinFields, InvariantHoldsUnderRandomEditing) {
  struct Pair {
    TextBox* field;
    VScrollBar* spin;
  };
  const Pair pairs[] = {{&form.txtPeriod, &form.vsPeriod},
                        {&form.txtHour, &form.vsHour},
                        {&form.txtMin, &form.vsMin},
                        {&form.txtBlink, &form.vsBlink},
                        {&form.txtAuslastung, &form.vsAuslastung}};
  const std::string alphabet = "0123456789.a -\t";
  for (unsigned seed : {1u, 2u, 3u, 42u, 1234u}) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 4000; ++step) {
      const Pair& p = pairs[pick(5)];
      if (pick(10) == 0) (pick(2) == 0 ? form.Option1 : form.opt1).click();
      switch (pick(6)) {
        case 0:
          p.field->typeChar(
              static_cast<std::int16_t>(alphabet[static_cast<std::size_t>(pick(15))]));
          break;
        case 1:
          p.field->pressDelete();
          break;
        case 2:
          p.field->select(pick(4), pick(4));
          break;
        case 3: {
          std::string paste;
          for (int i = pick(5); i > 0; --i) paste += alphabet[static_cast<std::size_t>(pick(15))];
          pick(2) == 0 ? p.field->paste(paste) : p.field->replaceText(paste);
          break;
        }
        case 4:
          p.spin->arrowUp();
          break;
        default:
          p.spin->arrowDown();
          break;
      }
      for (const Pair& q : pairs) {
        const int low = std::min(q.spin->Min(), q.spin->Max());
        const int high = std::max(q.spin->Min(), q.spin->Max());
        ASSERT_GE(q.spin->Value(), low) << "seed " << seed << " step " << step;
        ASSERT_LE(q.spin->Value(), high) << "seed " << seed << " step " << step;
        if (q.field == &form.txtAuslastung) continue;
        const double reading = leadingNumber(q.field->Text());
        ASSERT_GE(reading, low) << q.field->name() << " '" << q.field->Text() << "' seed " << seed;
        ASSERT_LE(reading, high) << q.field->name() << " '" << q.field->Text() << "' seed " << seed;
      }
    }
  }
}

}  // namespace
}  // namespace slumbrix::test
