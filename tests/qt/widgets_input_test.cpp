// User input on the real widgets reaches the model through its input calls, and the widgets
// then show what the model holds.
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

using WidgetInput = DemoWindowTest;

TEST_F(WidgetInput, TypingPassesTheKeyFilterAndTheClamp) {
  auto* hour = widgetOf<QLineEdit>(form.txtHour);
  ASSERT_NE(hour, nullptr);
  EXPECT_FALSE(hour->isEnabled());
  QTest::mouseClick(widgetOf<QRadioButton>(form.optAt), Qt::LeftButton);
  ASSERT_TRUE(hour->isEnabled());
  EXPECT_EQ(form.events.back(), "opt 1");

  hour->setFocus();
  hour->end(false);
  QTest::keyClicks(hour, "3");  // "13" is over 12
  EXPECT_EQ(hour->text(), "12");
  EXPECT_EQ(form.txtHour.Text(), "12");
  EXPECT_EQ(form.vsHour.Value(), 12);

  for (auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Minus, Qt::Key_Backspace}) {
    QTest::keyClick(hour, key);
    EXPECT_EQ(hour->text(), "12") << key;
  }
  QTest::keyClick(hour, Qt::Key_Home);
  QTest::keyClick(hour, Qt::Key_Delete);
  EXPECT_EQ(hour->text(), "2");
  EXPECT_EQ(form.vsHour.Value(), 2);

  hour->selectAll();
  QTest::keyClicks(hour, "0");  // below 1
  EXPECT_EQ(hour->text(), "1");
}

TEST_F(WidgetInput, CtrlVIsFilteredButTheContextMenuPastes) {
  QTest::mouseClick(widgetOf<QRadioButton>(form.optAt), Qt::LeftButton);
  auto* hour = widgetOf<QLineEdit>(form.txtHour);
  QApplication::clipboard()->setText("7");
  hour->setFocus();
  hour->selectAll();
  QTest::keySequence(hour, QKeySequence::Paste);
  EXPECT_EQ(hour->text(), "1");

  hour->selectAll();
  whenOpen([](QWidget& menu) { chooseInMenu(menu, "&Paste"); });
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2),
                            hour->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(hour, &request);
  EXPECT_EQ(hour->text(), "7");
  EXPECT_EQ(form.vsHour.Value(), 7);
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
  spin->setFocus();
  QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(form.vsPeriod.Value(), 2);

  // The hour's arrows are off with the field.
  QTest::mouseClick(widgetOf<SpinPeer>(form.vsHour), Qt::LeftButton, {}, up);
  EXPECT_EQ(form.vsHour.Value(), 1);
}

TEST_F(WidgetInput, ButtonsChecksListsAndOptions) {
  QTest::mouseClick(widgetOf<QPushButton>(form.cmdTimer), Qt::LeftButton);
  EXPECT_EQ(form.events, std::vector<std::string>{"cmdTimer"});
  EXPECT_EQ(widgetOf<QLabel>(form.lblStatus)->text(), "Timer Activated");

  auto* blink = widgetOf<QCheckBox>(form.chkBlink);
  QTest::mouseClick(blink, Qt::LeftButton);
  EXPECT_EQ(form.chkBlink.Value(), 0);
  EXPECT_FALSE(blink->isChecked());

  auto* unit = widgetOf<QComboBox>(form.cmbUnit);
  unit->setFocus();
  QTest::keyClick(unit, Qt::Key_Down);
  EXPECT_EQ(form.cmbUnit.ListIndex(), 1);
  EXPECT_EQ(form.events.back(), "cmbUnit Minutes");

  auto* optIn = widgetOf<QRadioButton>(form.optIn);
  auto* optAt = widgetOf<QRadioButton>(form.optAt);
  QTest::mouseClick(optAt, Qt::LeftButton);
  EXPECT_TRUE(form.optAt.Value());
  EXPECT_FALSE(form.optIn.Value());
  EXPECT_TRUE(optAt->isChecked());
  EXPECT_FALSE(optIn->isChecked());
  QTest::mouseClick(optAt, Qt::LeftButton);  // already chosen: no second click event
  EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "opt 1"), 1);
}

TEST_F(WidgetInput, KeysReachTheFormOnlyWithoutAFocusedControl) {
  auto* button = widgetOf<QPushButton>(form.cmdTimer);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);  // Enter presses the focused button
  EXPECT_EQ(form.events, std::vector<std::string>{"cmdTimer"});
  QTest::keyClick(button, Qt::Key_Escape);
  auto* period = widgetOf<QLineEdit>(form.txtPeriod);
  period->setFocus();
  QTest::keyClick(period, Qt::Key_Escape);
  EXPECT_EQ(form.events, std::vector<std::string>{"cmdTimer"});

  QApplication::focusWidget()->clearFocus();
  QTest::keyClick(window, Qt::Key_Escape);
  QTest::keyClick(window, Qt::Key_X);
  EXPECT_EQ(form.events, (std::vector<std::string>{"cmdTimer", "key 27", "key 120"}));
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
