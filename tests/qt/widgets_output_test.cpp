// What the model holds is what the widgets show: texts, states, positions from twips, fonts,
// colours, tab order, drawings, menus and timers.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/frm_about.h"
#include "frontend/qt/picture_peer.h"
#include "frontend/qt/spin_peer.h"
#include "frontend/qt/timer_peer.h"
#include "qt_test_support.h"

namespace slumbrix::test {
namespace {

using WidgetOutput = MainWindowWidgets;

TEST_F(WidgetOutput, ModelChangesShowInTheWidgets) {
  form.txtPeriod.setText("42");
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtPeriod)->text(), "42");
  form.lblStatus.setCaption("17 Seconds to the execution");
  EXPECT_EQ(widgetOf<QLabel>(form.lblStatus)->text(), "17 Seconds to the execution");
  form.cmdTimer.setCaption("Deactivate Timer");
  EXPECT_EQ(widgetOf<QPushButton>(form.cmdTimer)->text(), "Deactivate Timer");
  form.cmbAction.setListIndex(2);
  EXPECT_EQ(widgetOf<QComboBox>(form.cmbAction)->currentText(), "Log OFF");
  const int items = form.cmbAction.ListCount();
  form.cmbAction.addItem("Lock Computer");
  EXPECT_EQ(widgetOf<QComboBox>(form.cmbAction)->count(), items + 1);
  EXPECT_EQ(widgetOf<QComboBox>(form.cmbAction)->currentIndex(), 2);
  form.chkBlink.setValue(0);
  EXPECT_FALSE(widgetOf<QCheckBox>(form.chkBlink)->isChecked());
  form.opt1.setValue(true);
  EXPECT_TRUE(widgetOf<QRadioButton>(form.opt1)->isChecked());
  EXPECT_FALSE(widgetOf<QRadioButton>(form.opt0)->isChecked());
  EXPECT_TRUE(widgetOf<QLineEdit>(form.txtHour)->isEnabled());
  form.Command1.setVisible(false);
  EXPECT_FALSE(widgetOf<QPushButton>(form.Command1)->isVisible());
  form.setCaption("Slumbrix 2");
  EXPECT_EQ(window->windowTitle(), "Slumbrix 2");
}

TEST_F(WidgetOutput, PositionsAndSizesComeFromTwips) {
  ASSERT_EQ(ws.twipsPerPixelX(), 15);  // 96 dots per inch
  EXPECT_EQ(widgetOf<QPushButton>(form.cmdTimer)->geometry(), QRect(56, 392, 105, 25));
  auto* frame = widgetOf<QGroupBox>(form.frame);
  auto* action = widgetOf<QComboBox>(form.cmbAction);
  EXPECT_EQ(action->parentWidget(), frame);
  EXPECT_EQ(action->geometry(), QRect(48, 28, 228, 21));
  // Inside a picture box with a border, positions count from inside the border.
  auto* usage = widgetOf<PicturePeer>(form.picUsage);
  EXPECT_EQ(widgetOf<QLabel>(form.lblCpuUsage)->parentWidget(), usage);
  EXPECT_EQ(widgetOf<QLabel>(form.lblCpuUsage)->pos(), QPoint(2, 42));
  // The option buttons sit in the borderless picture box that groups them.
  EXPECT_EQ(widgetOf<QRadioButton>(form.opt1)->parentWidget(), widgetOf<PicturePeer>(form.pic));
  EXPECT_EQ(widgetOf<SpinPeer>(form.vsHour)->size(), QSize(11, 21));
  // A fixed window: the client area below the menu bar is 5190 x 6315 twips.
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const QMenuBar* bar = window->menuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(window->height() - bar->height(), 421);
  EXPECT_EQ(window->width(), 346);
}

TEST_F(WidgetOutput, FontsAndColours) {
  EXPECT_TRUE(widgetOf<QGroupBox>(form.frame)->font().bold());
  EXPECT_FALSE(widgetOf<QComboBox>(form.cmbAction)->font().bold());
  EXPECT_DOUBLE_EQ(widgetOf<QLabel>(form.lblStatus)->font().pointSizeF(), 12);
  EXPECT_DOUBLE_EQ(widgetOf<QLabel>(form.lbl0)->font().pointSizeF(), 8.25);
  // The window's face is not installed here: its widgets ask for the installed family that
  // stands for it, the metric-compatible one the layout is measured in.
  ASSERT_FALSE(QFontDatabase::families().contains(QStringLiteral("MS Sans Serif")));
  if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
    EXPECT_EQ(widgetOf<QLabel>(form.lbl0)->font().family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(widgetOf<QLabel>(form.lblStatus)->font()).family(), "Liberation Sans");
  }
  // Menus and message boxes, with no font of their own, use the same family: one is loaded.
  EXPECT_EQ(QApplication::font().family(), widgetOf<QLabel>(form.lbl0)->font().family());
  EXPECT_DOUBLE_EQ(QApplication::font().pointSizeF(), 8.25);
  const QLabel* usage = widgetOf<QLabel>(form.lblCpuUsage);
  EXPECT_TRUE(usage->font().bold());
  EXPECT_EQ(usage->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
  EXPECT_TRUE(usage->alignment() & Qt::AlignHCenter);
  const QLabel* status = widgetOf<QLabel>(form.lblStatus);
  EXPECT_TRUE(status->autoFillBackground());
  EXPECT_EQ(status->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(WidgetOutput, TheTabOrderIsTheForms) {
  EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(form.cmdTimer));  // tab index 0
  // Tab index 1 and 2 are the frame and the picture box, which take no focus; the option
  // button "Activate at:" (6) is not the chosen one, the spin buttons are reached through
  // their fields, and the check box (8) is hidden.
  const Control* expected[] = {&form.txtPeriod, &form.cmbUnit, &form.opt0, &form.txtBlink,
                               &form.chkBlink};
  for (const Control* control : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(*control)) << control->name();
  }
  // All the way round and back, as the form's order says.
  const std::vector<Control*> order = form.tabOrder();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(*order.at(3)));
  for (std::size_t i = 0; i < order.size(); ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(*order.at(3)));
  // A field reached by Tab has its whole text selected, in the model as in the widget.
  form.txtBlink.setText("30");
  widgetOf<QWidget>(form.opt0)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(form.txtBlink));
  EXPECT_EQ(form.txtBlink.SelLength(), 2);
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtBlink)->selectedText(), "30");
}

TEST_F(WidgetOutput, APictureBoxPaintsItsDrawingList) {
  auto* graph = widgetOf<PicturePeer>(form.picGraph);
  const QRect inner = graph->innerRect();
  const Color green = Color::fromRgb(0x008000);
  form.picGraph.Cls();
  form.picGraph.FilledBox(0, 0, 50, 100, green);  // the left half, in the user scale
  QImage image = graph->grab().toImage();
  EXPECT_EQ(image.pixelColor(inner.left() + 5, inner.center().y()), QColor(0, 0x80, 0));
  EXPECT_EQ(image.pixelColor(inner.right() - 5, inner.center().y()), QColor(0xE0, 0xE0, 0xE0));

  form.picGraph.Cls();
  form.picGraph.setScaleMode(ScaleMode::Pixel);
  form.picGraph.Line(0, 10, inner.width(), 10, Color::fromRgb(0xFF0000));
  image = graph->grab().toImage();
  EXPECT_EQ(image.pixelColor(inner.left() + 30, inner.top() + 10), QColor(0xFF, 0, 0));
  EXPECT_EQ(image.pixelColor(inner.left() + 30, inner.top() + 20), QColor(0xE0, 0xE0, 0xE0));
}

TEST_F(WidgetOutput, TheMenuBarHoldsTheVisibleMenus) {
  const QMenuBar* bar = window->menuBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions().at(0)->text(), "File");
  QMenu* file = bar->actions().at(0)->menu();
  ASSERT_EQ(file->actions().size(), 2);
  file->actions().at(0)->trigger();
  ASSERT_NE(form.about(), nullptr);
  EXPECT_TRUE(form.about()->isShown());
  ASSERT_TRUE(form.about()->unload());

  form.mnuPopup.setVisible(true);
  QCoreApplication::processEvents();
  bar = window->menuBar();
  EXPECT_EQ(bar->actions().size(), 2);
}

TEST_F(WidgetOutput, APopupMenuOpensAndItsChoiceReachesTheModel) {
  form.hide();
  whenOpen([](QWidget& menu) { chooseInMenu(menu, "Restore"); });
  ws.popupMenu(form, form.mnuPopup);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(WidgetOutput, ExitFromThePopupMenuEndsWhileTheAboutWindowIsOpen) {
  ASSERT_TRUE(form.ueber.click());
  QWidget* about = ws.window(*form.about());
  ASSERT_NE(about, nullptr);
  whenOpen([](QWidget& menu) { chooseInMenu(menu, "Exit Slumbrix"); });
  ws.popupMenu(form, form.mnuPopup);
  EXPECT_TRUE(ended);
  EXPECT_TRUE(ws.ended());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ws.window(*form.about()), nullptr);
  EXPECT_TRUE(platform.named("ExitWindowsEx").empty());
}

TEST_F(WidgetOutput, TimersTickTheModelAndAreCoarseOnlyWhereTheyMayBe) {
  // The clock and the meter may share a wake-up; the countdown and the CPU watch keep their
  // precision, which the firing moment depends on.
  const auto* peer = dynamic_cast<const TimerPeer*>(form.thetime.peer());
  ASSERT_NE(peer, nullptr);
  EXPECT_TRUE(peer->qtimer().isActive());
  EXPECT_EQ(peer->qtimer().timerType(), Qt::CoarseTimer);
  EXPECT_EQ(peer->qtimer().interval(), 500);
  int ticks = 0;
  const auto clockTick = form.thetime.Tick;
  form.thetime.Tick = [&] {
    ++ticks;
    clockTick();
  };
  for (int i = 0; i < 300 && ticks < 2; ++i) QTest::qWait(10);
  EXPECT_GE(ticks, 2);
  form.thetime.setEnabled(false);
  EXPECT_FALSE(peer->qtimer().isActive());
  for (Timer* timer : {&form.Timer_, &form.timercpushut}) {
    const auto* precise = dynamic_cast<const TimerPeer*>(timer->peer());
    ASSERT_NE(precise, nullptr);
    timer->setEnabled(true);  // no tick: the event loop does not run before it stops again
    EXPECT_EQ(precise->qtimer().timerType(), Qt::PreciseTimer) << timer->name();
    timer->setEnabled(false);
  }
}

}  // namespace
}  // namespace slumbrix::test
