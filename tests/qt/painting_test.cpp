// How the window paints: frames without a style sheet, picture boxes that repaint what changed
// and nothing else, and no image plugin loaded for the program's own pictures.
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

#include "app/frm_about.h"
#include "cpu/meter.h"
#include "frontend/qt/picture_peer.h"
#include "frontend/qt/program_style.h"
#include "qt_test_support.h"

namespace slumbrix::test {
namespace {

using Painting = MainWindowWidgets;

const QColor kBackground(0xE0, 0xE0, 0xE0);  // the graph's background
const Color kGreen = Color::fromRgb(0x008000);
const Color kRed = Color::fromRgb(0xFF0000);

// Lets the pending refreshes run and their repaints reach the window.
void settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// What the window holds on the screen at a point of a widget.
QColor shownAt(QWidget& window, QWidget& widget, QPoint point) {
  const QPoint at = widget.mapTo(&window, point);
  return window.screen()
      ->grabWindow(window.winId(), at.x(), at.y(), 1, 1)
      .toImage()
      .pixelColor(0, 0);
}

TEST_F(Painting, AFrameDrawsItsBorderThroughTheMiddleOfItsCaption) {
  auto* frame = widgetOf<QGroupBox>(form.Frame1);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->styleSheet().isEmpty());
  // The frame alone, without the controls inside it.
  QImage image(frame->size(), QImage::Format_RGB32);
  frame->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  const QFontMetrics metrics(frame->font());
  const int borderRow = metrics.height() / 2;
  const QColor background = frame->palette().color(QPalette::Window);
  // Left of the caption the border is drawn; over the caption, with its margin, it is not.
  EXPECT_NE(image.pixelColor(2, borderRow), background);
  const int captionEnd = 6 + metrics.size(Qt::TextShowMnemonic, frame->title()).width() + 4;
  EXPECT_EQ(image.pixelColor(captionEnd - 1, borderRow), background);
  EXPECT_NE(image.pixelColor(captionEnd + 3, borderRow), background);
  // The left and bottom edges run the whole frame.
  EXPECT_NE(image.pixelColor(0, image.height() / 2), background);
  EXPECT_NE(image.pixelColor(image.width() / 2, image.height() - 2), background);
  EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), background);
}

TEST_F(Painting, APictureBoxShowsTheLatestDrawingAfterAnEarlyPaint) {
  auto* graph = widgetOf<PicturePeer>(form.picGraph);
  const QRect inner = graph->innerRect();
  const QPoint left(inner.left() + 5, inner.center().y());
  const QPoint right(inner.right() - 5, inner.center().y());
  form.picGraph.Cls();
  form.picGraph.FilledBox(0, 0, 50, 100, kGreen);
  settle();
  ASSERT_EQ(shownAt(*window, *graph, left), QColor(0, 0x80, 0));

  // A paint of the left half runs before the refresh and shows a newer drawing there; the
  // handler then goes back to the drawing shown before.
  form.picGraph.Cls();
  form.picGraph.FilledBox(50, 0, 100, 100, kRed);
  graph->repaint(QRect(inner.topLeft(), QSize(inner.width() / 2, inner.height())));
  EXPECT_EQ(shownAt(*window, *graph, left), kBackground);
  form.picGraph.Cls();
  form.picGraph.FilledBox(0, 0, 50, 100, kGreen);
  settle();
  EXPECT_EQ(shownAt(*window, *graph, left), QColor(0, 0x80, 0));
  EXPECT_EQ(shownAt(*window, *graph, right), kBackground);
  // Cleared, the box shows its background alone.
  form.picGraph.Cls();
  settle();
  EXPECT_EQ(shownAt(*window, *graph, left), kBackground);
}

TEST_F(Painting, TheMeterBarFollowsTheFigureAndKeepsItWhenItStays) {
  auto* bar = widgetOf<PicturePeer>(form.picUsage);
  const QPoint top(bar->innerRect().left() + 30, bar->innerRect().top() + 6);  // the 100 % segment
  mdMisc::UsageHistory history{};
  const auto show = [&](std::int32_t usage) {
    mdMisc::DrawCPUUsage(usage, form.picUsage, form.picGraph, history);
    settle();
    return shownAt(*window, *bar, top);
  };
  const QColor lit = show(100);
  const QColor unlit = show(40);
  EXPECT_NE(lit, unlit);
  EXPECT_EQ(show(40), unlit);
  EXPECT_EQ(show(100), lit);
  EXPECT_EQ(show(100), lit);
}

TEST(ProgramStyle, TheWindowsLoadNoImagePlugin) {
  const auto pluginsLoaded = [] {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
  };
  if (pluginsLoaded()) GTEST_SKIP() << "an earlier test of this process loaded image plugins";
  installProgramStyle();
  QtWindowSystem ws;
  FakePlatform platform;
  frmMain form{ws, platform};
  form.start();
  ASSERT_TRUE(form.ueber.click());
  QCoreApplication::processEvents();
  EXPECT_FALSE(pluginsLoaded());
  // The menu bar's extension button still has its icon when it is drawn.
  const auto* extension = ws.window(form)->menuBar()->findChild<QToolButton*>();
  ASSERT_NE(extension, nullptr);
  EXPECT_FALSE(extension->icon().pixmap(16).isNull());
  ASSERT_TRUE(form.about()->unload());
}

}  // namespace
}  // namespace slumbrix::test
