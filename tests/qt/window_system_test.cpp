// Windows as the forms ask for them: closing, modality, message boxes, handles, the program's
// end and the window without a notification area.
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "frontend/qt/message_box.h"
#include "frontend/qt/picture_peer.h"
#include "qt_test_support.h"

namespace slumbrix::test {
namespace {

using WindowSystemTest = DemoWindowTest;

TEST_F(WindowSystemTest, TheCloseButtonAsksTheForm) {
  window->close();
  EXPECT_EQ(form.events, std::vector<std::string>{"unload"});
  EXPECT_FALSE(window->isVisible());  // the form cancelled and hid itself
  EXPECT_TRUE(form.isLoaded());

  form.show();
  form.cancelUnload = false;
  window->close();
  EXPECT_FALSE(form.isLoaded());
  EXPECT_EQ(ws.window(form), nullptr);
  EXPECT_EQ(form.cmdTimer.peer(), nullptr);
}

TEST_F(WindowSystemTest, AModalFormBlocksItsOwner) {
  DemoDialog dialog(ws);
  dialog.showModal(form);
  FormWindow* shown = ws.window(dialog);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->windowModality(), Qt::WindowModal);
  EXPECT_EQ(shown->parentWidget(), window);
  EXPECT_TRUE(shown->isVisible());
  QTest::mouseClick(widgetOf<QPushButton>(form.cmdTimer), Qt::LeftButton);
  EXPECT_TRUE(form.events.empty());

  auto* notice = widgetOf<QPlainTextEdit>(dialog.txtNotice);
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isReadOnly());
  EXPECT_EQ(notice->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(notice->toPlainText().startsWith("Line 1 of the notice.\nLine 2"));
  QTest::keyClicks(notice, "x");
  EXPECT_EQ(dialog.txtNotice.Text().substr(0, 4), "Line");

  QTest::mouseClick(widgetOf<PicturePeer>(dialog.Picture1), Qt::LeftButton);
  EXPECT_EQ(dialog.logoClicks, 1);
  QTest::mouseClick(widgetOf<QPushButton>(dialog.Command1), Qt::LeftButton);
  EXPECT_FALSE(dialog.isLoaded());
  QTest::mouseClick(widgetOf<QPushButton>(form.cmdTimer), Qt::LeftButton);
  EXPECT_EQ(form.events, std::vector<std::string>{"cmdTimer"});
}

TEST_F(WindowSystemTest, AModalFormOutlivesItsOwnersWindow) {
  DemoDialog dialog(ws);
  dialog.showModal(form);
  form.cancelUnload = false;
  ASSERT_TRUE(form.unload());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_NE(ws.window(dialog), nullptr);
  dialog.labelCaption.setCaption("Still here");
  EXPECT_EQ(widgetOf<QLabel>(dialog.labelCaption)->text(), "Still here");
}

TEST_F(WindowSystemTest, MessageBoxStyles) {
  struct Row {
    std::uint32_t style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
  };
  const Row rows[] = {
      {0, QMessageBox::NoIcon, QMessageBox::Ok},
      {64, QMessageBox::Information, QMessageBox::Ok},
      {16, QMessageBox::Critical, QMessageBox::Ok},
      {48 + 1, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel},
      {32 + 4, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
  };
  for (const Row& row : rows) {
    const MessageBoxStyle style = messageBoxStyle(row.style);
    EXPECT_EQ(style.icon, row.icon) << row.style;
    EXPECT_EQ(style.buttons, row.buttons) << row.style;
  }
  EXPECT_EQ(windowsAnswer(QMessageBox::Ok), 1);
  EXPECT_EQ(windowsAnswer(QMessageBox::No), 7);

  QString shownText;
  QString shownTitle;
  whenOpen([&](QWidget& open) {
    auto& box = dynamic_cast<QMessageBox&>(open);
    shownText = box.text();
    shownTitle = box.windowTitle();
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    box.button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(ws.messageBox("Slumbrix is already running", 64, "Slumbrix"), 1);
  EXPECT_EQ(shownText, "Slumbrix is already running");
  EXPECT_EQ(shownTitle, "Slumbrix");
}

TEST_F(WindowSystemTest, HandlesFindWindowsAndIcons) {
  const Handle handle = ws.windowHandle(form);
  ASSERT_NE(handle, 0u);
  EXPECT_EQ(ws.formOf(handle), &form);
  EXPECT_EQ(ws.nativeWindow(handle), window);
  EXPECT_FALSE(ws.nativeIcon(ws.iconHandle(form)).isNull());
  EXPECT_EQ(ws.nativeWindow(handle + 0x1000), nullptr);
  EXPECT_TRUE(ws.nativeIcon(0).isNull());
}

TEST_F(WindowSystemTest, WithoutANotificationAreaHidingMinimises) {
  ws.setTrayAvailable(false);
  form.hide();
  EXPECT_TRUE(window->isMinimized());
  EXPECT_TRUE(window->isVisible());
  form.show();
  EXPECT_FALSE(window->isMinimized());

  ws.setTrayAvailable(true);
  form.hide();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowSystemTest, TheEndStopsEverything) {
  form.tmrRefresh.setEnabled(true);
  ws.endProgram();
  EXPECT_TRUE(ended);
  EXPECT_TRUE(ws.ended());
  EXPECT_EQ(ws.window(form), nullptr);
  EXPECT_EQ(form.tmrRefresh.peer(), nullptr);
  const int ticks = form.ticks;
  QTest::qWait(50);
  EXPECT_EQ(form.ticks, ticks);
  form.show();  // nothing more is shown
  EXPECT_EQ(ws.window(form), nullptr);
  EXPECT_EQ(ws.messageBox("late", 0, "Slumbrix"), 0);
}

}  // namespace
}  // namespace slumbrix::test

namespace slumbrix::test {
namespace {

// The program's own end leaves the event loop even though the form's windows refuse to be
// closed by anyone but the form.
TEST(QtWindowSystemEnd, LeavesTheRunningEventLoop) {
  QtWindowSystem ws;
  DemoForm form(ws);
  form.show();
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&ws] { ws.endProgram(); });
  QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });  // a guard, not a measure
  EXPECT_EQ(loop.exec(), 0);
  EXPECT_TRUE(ws.ended());
  QCoreApplication::processEvents();  // the exit queued for a loop not yet started
}

}  // namespace
}  // namespace slumbrix::test
