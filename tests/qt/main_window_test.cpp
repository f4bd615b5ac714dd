// The real main window on the real widgets, offscreen, over the recording platform: what the
// user clicks and types reaches the program, and what the program does shows.
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/frm_about.h"
#include "app/frm_main.h"
#include "frontend/qt/spin_peer.h"
#include "qt_test_support.h"
#include "support/scripted_cpu_usage.h"

namespace slumbrix::test {
namespace {

TEST_F(MainWindowWidgets, ActivateTimerArmsAndDisarms) {
  auto* button = widgetOf<QPushButton>(form.cmdTimer);
  auto* options = widgetOf<QGroupBox>(form.frame);
  ASSERT_NE(options, nullptr);
  click(form.cmdTimer);
  EXPECT_EQ(button->text(), "Deactivate Timer");
  EXPECT_FALSE(options->isEnabled());
  EXPECT_FALSE(widgetOf<QLineEdit>(form.txtPeriod)->isEnabled());
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
  click(form.cmdTimer);
  EXPECT_EQ(button->text(), "Activate Timer");
  EXPECT_TRUE(options->isEnabled());
  EXPECT_EQ(widgetOf<QLabel>(form.lblStatus)->text(), "Timer Deactivated");
  EXPECT_FALSE(ended);
}

TEST_F(MainWindowWidgets, FieldsRefuseLettersAndClampWhatIsTyped) {
  auto* period = widgetOf<QLineEdit>(form.txtPeriod);
  period->setFocus();
  period->end(false);
  QTest::keyClicks(period, "a");
  EXPECT_EQ(period->text(), "1");
  QTest::keyClicks(period, "5");
  EXPECT_EQ(period->text(), "15");
  EXPECT_EQ(form.vsPeriod.Value(), 15);

  auto* hour = widgetOf<QLineEdit>(form.txtHour);
  EXPECT_FALSE(hour->isEnabled());
  click(form.opt1);
  ASSERT_TRUE(hour->isEnabled());
  EXPECT_FALSE(period->isEnabled());
  hour->setFocus();
  hour->end(false);
  QTest::keyClicks(hour, "3");
  EXPECT_EQ(hour->text(), "12");
  EXPECT_EQ(form.vsHour.Value(), 12);
}

TEST_F(MainWindowWidgets, SpinArrowsAndModeButtons) {
  auto* spin = widgetOf<SpinPeer>(form.vsBlink);
  ASSERT_NE(spin, nullptr);
  QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
  EXPECT_EQ(widgetOf<QLineEdit>(form.txtBlink)->text(), "31");

  click(form.Option1);
  EXPECT_TRUE(widgetOf<QLineEdit>(form.txtAuslastung)->isEnabled());
  EXPECT_TRUE(widgetOf<QLineEdit>(form.txtAuslastung)->isReadOnly());
  EXPECT_FALSE(widgetOf<QLineEdit>(form.txtHour)->isEnabled());
  EXPECT_FALSE(widgetOf<QRadioButton>(form.opt0)->isChecked());
  click(form.opt0);
  EXPECT_FALSE(widgetOf<QLineEdit>(form.txtAuslastung)->isEnabled());
  EXPECT_TRUE(widgetOf<QLineEdit>(form.txtPeriod)->isEnabled());
}

TEST_F(MainWindowWidgets, AboutWindowOpensModalAndCloses) {
  ASSERT_TRUE(form.ueber.click());
  frmAbout* about = form.about();
  ASSERT_NE(about, nullptr);
  QWidget* aboutWindow = ws.window(*about);
  ASSERT_NE(aboutWindow, nullptr);
  EXPECT_TRUE(aboutWindow->isVisible());
  EXPECT_TRUE(aboutWindow->isModal() || aboutWindow->windowModality() != Qt::NonModal);
  EXPECT_EQ(aboutWindow->windowTitle(), "About Slumbrix");
  EXPECT_FALSE(form.cmdTimer.click());  // the main window takes no input meanwhile
  click(about->Command1);
  EXPECT_FALSE(about->isLoaded());
  EXPECT_TRUE(form.cmdTimer.click());
}

TEST_F(MainWindowWidgets, MeterShowsTheScriptedFigures) {
  form.mCPUUsage = std::make_unique<ScriptedCpuUsage>(std::vector<std::int32_t>{37, 64});
  auto* label = widgetOf<QLabel>(form.lblCpuUsage);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "100");  // the first figure, taken while loading
  QTRY_COMPARE_WITH_TIMEOUT(label->text(), QString("37"), 2000);
  QTRY_COMPARE_WITH_TIMEOUT(label->text(), QString("64"), 2000);
  // The graph's newest point sits at its right edge, 64 % up.
  auto* graph = dynamic_cast<QWidget*>(form.picGraph.peer());
  ASSERT_NE(graph, nullptr);
  const QImage image = graph->grab().toImage();
  int reds = 0;
  for (int y = 0; y < image.height(); ++y) {
    const QColor c = image.pixelColor(image.width() - 6, y);
    if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++reds;
  }
  EXPECT_GT(reds, 0);
  // The bar: the lowest segment is lit.
  auto* bar = dynamic_cast<QWidget*>(form.picUsage.peer());
  ASSERT_NE(bar, nullptr);
  EXPECT_GT(bar->grab().toImage().pixelColor(30, 35 + 2).red(), 150);
}

}  // namespace
}  // namespace slumbrix::test
