// User input on the real widgets of the main window reaches the model through its input calls,
// and the widgets then show what the model holds.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "frontend/qt/spin_peer.h"
#include "qt_test_support.h"

namespace slumbrix::test {
namespace {

using WidgetInput = MainWindowWidgets;

TEST_F(WidgetInput, TypingPassesTheKeyFilterAndTheClamp) {
  auto* hour = widgetOf<QLineEdit>(form.txtHour);
  ASSERT_NE(hour, nullptr);
  EXPECT_FALSE(hour->isEnabled());
  click(form.opt1);
  ASSERT_TRUE(hour->isEnabled());

  hour->setFocus();
  hour->end(false);
  QTest::keyClicks(hour, "3");  // "13" is over 12
  EXPECT_EQ(hour->text(), "12");
  EXPECT_EQ(form.txtHour.Text(), "12");
  EXPECT_EQ(form.vsHour.Value(), 12);

  for (auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Backspace}) {
    QTest::keyClick(hour, key);
    EXPECT_EQ(hour->text(), "12") << key;
  }
  QTest::keyClick(hour, Qt::Key_Home);
  QTest::keyClick(hour, Qt::Key_Delete);  // a key without a character: works as usual
  EXPECT_EQ(hour->text(), "2");
  EXPECT_EQ(form.vsHour.Value(), 2);

  hour->selectAll();
  QTest::keyClicks(hour, "0");  // below 1
  EXPECT_EQ(hour->text(), "1");
}

TEST_F(WidgetInput, ClipboardShortcutsAreFilteredButTheContextMenuPastes) {
  auto* period = widgetOf<QLineEdit>(form.txtPeriod);
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("7");
  period->setFocus();
  period->setSelection(0, 1);
  for (auto key : {Qt::Key_V, Qt::Key_X, Qt::Key_C, Qt::Key_A, Qt::Key_Z}) {
    QTest::keyClick(period, key, Qt::ControlModifier);
    EXPECT_EQ(period->text(), "1") << key;
    EXPECT_EQ(clipboard->text(), "7") << key;
    EXPECT_EQ(form.txtPeriod.SelLength(), 1) << key;
  }
  QTest::keySequence(period, QKeySequence::Paste);
  EXPECT_EQ(period->text(), "1");

  // The clipboard keys without a character pass: Shift+Insert pastes the first line.
  clipboard->setText("42\nsecond line");
  period->selectAll();
  QTest::keyClick(period, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(period->text(), "42");
  EXPECT_EQ(form.vsPeriod.Value(), 42);

  clipboard->setText("7");
  period->selectAll();
  whenOpen([](QWidget& menu) { chooseInMenu(menu, "&Paste"); });
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2),
                            period->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(period, &request);
  EXPECT_EQ(period->text(), "7");
  EXPECT_EQ(form.vsPeriod.Value(), 7);
}

TEST_F(WidgetInput, TheThresholdFieldSelectsAndCopies) {
  click(form.Option1);
  auto* threshold = widgetOf<QLineEdit>(form.txtAuslastung);
  ASSERT_TRUE(threshold->isEnabled());
  QApplication::clipboard()->setText("55");
  threshold->setFocus();
  threshold->setCursorPosition(0);
  QTest::keyClick(threshold, Qt::Key_V, Qt::ControlModifier);  // read-only
  EXPECT_EQ(threshold->text(), "1");
  QTest::keyClick(threshold, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(threshold->selectedText(), "1");
  QTest::keyClick(threshold, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1");
}

TEST_F(WidgetInput, SpinArrowsStepTheModel) {
  auto* spin = widgetOf<SpinPeer>(form.vsPeriod);
  ASSERT_NE(spin, nullptr);
  const QPoint up(spin->width() / 2, 2);
  const QPoint down(spin->width() / 2, spin->height() - 2);
  QTest::mouseClick(spin, Qt::LeftButton, {}, up);
  QTest::mouseClick(spin, Qt::LeftButton, {}, up);
  EXPECT_EQ(form.vsPeriod.Value(), 3);
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtPeriod)->text(), "3");
  QTest::mouseClick(spin, Qt::LeftButton, {}, down);
  QTest::mouseClick(spin, Qt::LeftButton, {}, down);
  QTest::mouseClick(spin, Qt::LeftButton, {}, down);  // at the lower bound: nothing
  EXPECT_EQ(form.vsPeriod.Value(), 1);
  // From the keyboard the arrows are reached through their field.
  auto* period = widgetOf<QLineEdit>(form.txtPeriod);
  period->setFocus();
  QTest::keyClick(period, Qt::Key_Up);
  EXPECT_EQ(form.vsPeriod.Value(), 2);
  QTest::keyClick(period, Qt::Key_PageUp);  // a page is one step on these spin buttons
  EXPECT_EQ(form.vsPeriod.Value(), 3);
  QTest::keyClick(period, Qt::Key_PageDown);
  EXPECT_EQ(form.vsPeriod.Value(), 2);

  // The hour's arrows are off with the field.
  QTest::mouseClick(widgetOf<SpinPeer>(form.vsHour), Qt::LeftButton, {}, up);
  EXPECT_EQ(form.vsHour.Value(), 1);
}

TEST_F(WidgetInput, ButtonsChecksListsAndOptions) {
  auto* blink = widgetOf<QCheckBox>(form.chkBlink);
  QTest::mouseClick(blink, Qt::LeftButton);
  EXPECT_EQ(form.chkBlink.Value(), 0);
  EXPECT_FALSE(blink->isChecked());
  EXPECT_FALSE(widgetOf<QLineEdit>(form.txtBlink)->isEnabled());

  auto* unit = widgetOf<QComboBox>(form.cmbUnit);
  unit->setFocus();
  QTest::keyClick(unit, Qt::Key_Down);
  EXPECT_EQ(form.cmbUnit.ListIndex(), 1);
  EXPECT_EQ(form.cmbUnit.Text(), "Minutes");

  int clicks = 0;
  const auto optClick = form.opt1.Click;
  form.opt1.Click = [&] {
    ++clicks;
    optClick();
  };
  auto* optIn = widgetOf<QRadioButton>(form.opt0);
  auto* optAt = widgetOf<QRadioButton>(form.opt1);
  QTest::mouseClick(optAt, Qt::LeftButton);
  EXPECT_TRUE(form.opt1.Value());
  EXPECT_FALSE(form.opt0.Value());
  EXPECT_TRUE(optAt->isChecked());
  EXPECT_FALSE(optIn->isChecked());
  QTest::mouseClick(optAt, Qt::LeftButton);  // already chosen: no second click event
  EXPECT_EQ(clicks, 1);

  QTest::mouseClick(widgetOf<QPushButton>(form.cmdTimer), Qt::LeftButton);
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
  EXPECT_EQ(widgetOf<QPushButton>(form.cmdTimer)->text(), "Deactivate Timer");
}

TEST_F(WidgetInput, KeysReachTheFormOnlyWithoutAFocusedControl) {
  std::vector<std::int16_t> keys;
  const auto formKeyPress = form.KeyPress;
  form.KeyPress = [&](std::int16_t& key) {
    keys.push_back(key);
    formKeyPress(key);
  };
  auto* button = widgetOf<QPushButton>(form.cmdTimer);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Escape);
  auto* period = widgetOf<QLineEdit>(form.txtPeriod);
  period->setFocus();
  QTest::keyClick(period, Qt::Key_Escape);
  EXPECT_TRUE(keys.empty());
  EXPECT_TRUE(window->isVisible());

  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);  // Enter presses the focused button
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);

  QApplication::focusWidget()->clearFocus();
  QTest::keyClick(window, Qt::Key_X);
  QTest::keyClick(window, Qt::Key_Escape);  // the main window's Escape hides it
  EXPECT_EQ(keys, (std::vector<std::int16_t>{'x', 27}));
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
}

TEST_F(WidgetInput, ADisabledFrameDisablesWhatItHolds) {
  form.frame.setEnabled(false);
  auto* blink = widgetOf<QCheckBox>(form.chkBlink);
  EXPECT_FALSE(blink->isEnabled());
  EXPECT_FALSE(widgetOf<QLineEdit>(form.txtPeriod)->isEnabled());
  QTest::mouseClick(blink, Qt::LeftButton);
  EXPECT_EQ(form.chkBlink.Value(), 1);
  EXPECT_FALSE(form.chkBlink.click());

  form.frame.setEnabled(true);
  EXPECT_TRUE(blink->isEnabled());
  EXPECT_FALSE(widgetOf<QLineEdit>(form.txtHour)->isEnabled());  // off on its own
  QTest::mouseClick(blink, Qt::LeftButton);
  EXPECT_EQ(form.chkBlink.Value(), 0);
}

}  // namespace
}  // namespace slumbrix::test
