// The real main window with the keyboard alone: each mode armed and disarmed, About opened
// and closed, the program ended from the File menu; the focus shown all the way.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/frm_about.h"
#include "qt_test_support.h"

namespace slumbrix::test {
namespace {

class KeyboardOnly : public MainWindowWidgets {
 protected:
  // One key, pressed and let go where the keyboard's focus is, as a user types it.
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no focus for key " << key;
    QTest::keyClick(target, key, modifiers);
  }
  // The control with the focus, and that the window shows it as a keyboard user's focus.
  const Control* focused() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || window == nullptr) return nullptr;
    EXPECT_TRUE(focus->hasFocus());
    EXPECT_TRUE(focus->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        << "the focus is not shown";
    return window->controlOf(focus);
  }
  QMenu* openMenu() const { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
  QString highlighted() const {
    QMenu* menu = openMenu();
    return menu == nullptr || menu->activeAction() == nullptr ? QString()
                                                              : menu->activeAction()->text();
  }
};

TEST_F(KeyboardOnly, EachModeArmsAndDisarms) {
  // The first control has the focus from the start, and shows it.
  EXPECT_EQ(focused(), &form.cmdTimer);
  auto* button = widgetOf<QPushButton>(form.cmdTimer);

  press(Qt::Key_Return);  // "Activate in:" 1 hour
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
  EXPECT_EQ(button->text(), "Deactivate Timer");
  press(Qt::Key_Enter);  // the keypad's Enter too
  EXPECT_EQ(form.mblnTimerActive, kVbFalse);

  for (int i = 0; i < 3; ++i) press(Qt::Key_Tab);
  EXPECT_EQ(focused(), &form.opt0);
  press(Qt::Key_Down);  // "Activate at:", selected as by a click
  EXPECT_EQ(focused(), &form.opt1);
  EXPECT_TRUE(widgetOf<QRadioButton>(form.opt1)->isChecked());
  EXPECT_FALSE(widgetOf<QRadioButton>(form.opt0)->isChecked());
  EXPECT_TRUE(widgetOf<QLineEdit>(form.txtHour)->isEnabled());
  EXPECT_FALSE(widgetOf<QLineEdit>(form.txtPeriod)->isEnabled());
  while (focused() != &form.txtHour) press(Qt::Key_Tab);
  press(Qt::Key_Up);  // the field's arrows, from the field
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtHour)->text(), "2");
  while (focused() != &form.cmdTimer) press(Qt::Key_Tab, Qt::ShiftModifier);
  press(Qt::Key_Return);
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
  press(Qt::Key_Return);
  EXPECT_EQ(form.mblnTimerActive, kVbFalse);

  press(Qt::Key_Tab);  // the group's stop is now its chosen option
  EXPECT_EQ(focused(), &form.opt1);
  press(Qt::Key_Right);
  EXPECT_EQ(focused(), &form.Option1);
  EXPECT_TRUE(form.Option1.Value());
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), &form.txtAuslastung);
  press(Qt::Key_Up);
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtAuslastung)->text(), "2");
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), &form.cmdTimer);
  press(Qt::Key_Return);
  EXPECT_TRUE(form.timercpushut.Enabled());
  EXPECT_EQ(widgetOf<QLabel>(form.lblStatus)->text(), "The CPU-Usage is supervised");
  press(Qt::Key_Return);
  EXPECT_FALSE(form.timercpushut.Enabled());
  EXPECT_EQ(widgetOf<QLabel>(form.lblStatus)->text(), "Timer Deactivated");

  // Round the group's end back to "Activate in:".
  while (focused() != &form.Option1) press(Qt::Key_Tab);
  press(Qt::Key_Down);
  EXPECT_EQ(focused(), &form.opt0);
  EXPECT_TRUE(widgetOf<QLineEdit>(form.txtPeriod)->isEnabled());
  EXPECT_FALSE(ended);
}

TEST_F(KeyboardOnly, F10OpensAboutAndAltEndsTheProgram) {
  press(Qt::Key_F10);
  ASSERT_NE(openMenu(), nullptr) << "F10 opened no menu";
  EXPECT_EQ(window->menuBar()->activeAction()->text(), "File");
  press(Qt::Key_Escape);  // leaves the menu, and only the menu
  EXPECT_EQ(openMenu(), nullptr);
  EXPECT_TRUE(window->isVisible());

  press(Qt::Key_F10);
  press(Qt::Key_Down);
  EXPECT_EQ(highlighted(), "About Slumbrix");
  press(Qt::Key_Return);
  QWidget* about = QApplication::activeModalWidget();
  ASSERT_NE(about, nullptr) << "About did not open";
  QApplication::setActiveWindow(about);  // the offscreen platform has no window manager
  ASSERT_TRUE(QTest::qWaitForWindowActive(about));
  EXPECT_EQ(QApplication::focusWidget()->window(), about);
  press(Qt::Key_Return);  // "Close" has the focus
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));

  ASSERT_EQ(focused(), &form.cmdTimer);
  press(Qt::Key_Alt);  // pressed and let go alone
  ASSERT_NE(openMenu(), nullptr) << "Alt opened no menu";
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  EXPECT_EQ(highlighted(), "Exit Slumbrix");
  press(Qt::Key_Return);
  EXPECT_TRUE(ended);
}

TEST_F(KeyboardOnly, TheNumberFieldsArrowsTakeNoFocus) {
  auto* spin = widgetOf<QWidget>(form.vsPeriod);
  EXPECT_EQ(spin->focusPolicy(), Qt::NoFocus);
  widgetOf<QLineEdit>(form.txtPeriod)->setFocus(Qt::TabFocusReason);
  QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
  EXPECT_EQ(form.vsPeriod.Value(), 2);
  EXPECT_EQ(focused(), &form.txtPeriod);  // the user goes on typing where he was
  press(Qt::Key_PageUp);
  EXPECT_EQ(form.vsPeriod.Value(), 3);
  press(Qt::Key_Down);
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtPeriod)->text(), "2");
}

}  // namespace
}  // namespace slumbrix::test
