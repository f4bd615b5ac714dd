// What the model holds is what the widgets show: texts, states, positions from twips, fonts,
// colours, tab order, drawings, menus and timers.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "frontend/qt/picture_peer.h"
#include "frontend/qt/spin_peer.h"
#include "frontend/qt/timer_peer.h"
#include "qt_test_support.h"

namespace slumbrix::test {
namespace {

using WidgetOutput = DemoWindowTest;

TEST_F(WidgetOutput, ModelChangesShowInTheWidgets) {
  form.txtPeriod.setText("42");
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtPeriod)->text(), "42");
  form.lblStatus.setCaption("17 Seconds to the execution");
  EXPECT_EQ(widgetOf<QLabel>(form.lblStatus)->text(), "17 Seconds to the execution");
  form.cmdTimer.setCaption("Deactivate Timer");
  EXPECT_EQ(widgetOf<QPushButton>(form.cmdTimer)->text(), "Deactivate Timer");
  form.cmbAction.setListIndex(2);
  EXPECT_EQ(widgetOf<QComboBox>(form.cmbAction)->currentText(), "Log OFF");
  form.cmbAction.addItem("Lock Computer");
  EXPECT_EQ(widgetOf<QComboBox>(form.cmbAction)->count(), 6);
  EXPECT_EQ(widgetOf<QComboBox>(form.cmbAction)->currentIndex(), 2);
  form.chkBlink.setValue(0);
  EXPECT_FALSE(widgetOf<QCheckBox>(form.chkBlink)->isChecked());
  form.optAt.setValue(true);
  EXPECT_TRUE(widgetOf<QRadioButton>(form.optAt)->isChecked());
  EXPECT_FALSE(widgetOf<QRadioButton>(form.optIn)->isChecked());
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
  EXPECT_EQ(widgetOf<QRadioButton>(form.optAt)->parentWidget(), widgetOf<PicturePeer>(form.pic));
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
  EXPECT_DOUBLE_EQ(widgetOf<QLabel>(form.lblAction)->font().pointSizeF(), 8.25);
  const QLabel* usage = widgetOf<QLabel>(form.lblCpuUsage);
  EXPECT_TRUE(usage->font().bold());
  EXPECT_EQ(usage->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
  EXPECT_TRUE(usage->alignment() & Qt::AlignHCenter);
  const QLabel* status = widgetOf<QLabel>(form.lblStatus);
  EXPECT_TRUE(status->autoFillBackground());
  EXPECT_EQ(status->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(WidgetOutput, TheTabOrderFollowsTabIndex) {
  EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(form.cmdTimer));  // tab index 0
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(form.txtPeriod));  // 3
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(form.cmbUnit));  // 4
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), widgetOf<QWidget>(form.optIn));  // 5
}

TEST_F(WidgetOutput, APictureBoxPaintsItsDrawingList) {
  auto* graph = widgetOf<PicturePeer>(form.picGraph);
  const QRect inner = graph->innerRect();
  const Color green = Color::fromRgb(0x008000);
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
  EXPECT_EQ(form.events.back(), "ueber");

  form.mnuPopup.setVisible(true);
  QCoreApplication::processEvents();
  bar = window->menuBar();
  EXPECT_EQ(bar->actions().size(), 2);
}

TEST_F(WidgetOutput, APopupMenuOpensAndItsChoiceReachesTheModel) {
  whenOpen([](QWidget& menu) { chooseInMenu(menu, "Restore"); });
  ws.popupMenu(form, form.mnuPopup);
  EXPECT_EQ(form.events.back(), "menuwieder");
}

TEST_F(WidgetOutput, TimersArePreciseUnlessCoarseAndTickTheModel) {
  const auto* peer = dynamic_cast<const TimerPeer*>(form.tmrRefresh.peer());
  ASSERT_NE(peer, nullptr);
  EXPECT_FALSE(peer->qtimer().isActive());
  form.tmrRefresh.setEnabled(true);
  EXPECT_EQ(peer->qtimer().timerType(), Qt::PreciseTimer);
  EXPECT_EQ(peer->qtimer().interval(), 10);
  for (int i = 0; i < 500 && form.ticks < 3; ++i) QTest::qWait(10);
  EXPECT_GE(form.ticks, 3);
  form.tmrRefresh.setEnabled(false);
  EXPECT_FALSE(peer->qtimer().isActive());
  // A timer that allows coarse ticks becomes a coarse QTimer when it starts again.
  form.tmrRefresh.coarse = true;
  form.tmrRefresh.setEnabled(true);
  EXPECT_EQ(peer->qtimer().timerType(), Qt::CoarseTimer);
  form.tmrRefresh.setEnabled(false);
}

}  // namespace
}  // namespace slumbrix::test
