// The Qt windows of the program's own forms, beyond what every window system owes the model
// (window_system_contract_test.cpp): the main window's close button, the About window over it,
// message box icons, handles, the window without a notification area, and the end of the
// event loop.
#include <QClipboard>
#include <QEventLoop>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/frm_about.h"
#include "frontend/qt/message_box.h"
#include "frontend/qt/picture_peer.h"
#include "qt_test_support.h"
#include "ui/buttons.h"

namespace slumbrix::test {
namespace {

using WindowSystemTest = MainWindowWidgets;

TEST_F(WindowSystemTest, TheCloseButtonAsksTheForm) {
  window->close();  // the main window cancels and hides itself
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(form.isLoaded());
  EXPECT_FALSE(ended);

  ASSERT_TRUE(form.ueber.click());
  frmAbout& about = *form.about();
  FormWindow* aboutWindow = ws.window(about);
  ASSERT_NE(aboutWindow, nullptr);
  aboutWindow->close();  // the About window agrees: unloaded, its window and peers gone
  EXPECT_FALSE(about.isLoaded());
  EXPECT_EQ(ws.window(about), nullptr);
  EXPECT_EQ(about.Command1.peer(), nullptr);
  EXPECT_TRUE(form.takesInput());
}

TEST_F(WindowSystemTest, TheAboutWindowIsModalOverTheMainWindow) {
  ASSERT_TRUE(form.ueber.click());
  frmAbout& about = *form.about();
  FormWindow* shown = ws.window(about);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->windowModality(), Qt::WindowModal);
  EXPECT_EQ(shown->parentWidget(), window);
  EXPECT_TRUE(shown->isVisible());
  QTest::mouseClick(widgetOf<QPushButton>(form.cmdTimer), Qt::LeftButton);
  EXPECT_EQ(form.mblnTimerActive, kVbFalse);

  auto* notice = widgetOf<QPlainTextEdit>(about.txtÜberProg);
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isReadOnly());
  EXPECT_EQ(notice->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(notice->toPlainText().startsWith("Slumbrix is freeware."));
  QTest::keyClicks(notice, "x");
  EXPECT_EQ(about.txtÜberProg.Text(), frmAbout::kNotice);
  // A field without a key filter: Ctrl+A and Ctrl+C copy the notice as the model holds it.
  notice->setFocus();
  QTest::keyClick(notice, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(notice, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromLatin1(frmAbout::kNotice));

  QTest::mouseClick(widgetOf<PicturePeer>(about.Picture1), Qt::LeftButton);
  EXPECT_EQ(platform.named("ShellExecuteA").size(), 1u);
  QTest::mouseClick(widgetOf<QPushButton>(about.Command1), Qt::LeftButton);
  EXPECT_FALSE(about.isLoaded());
  QTest::mouseClick(widgetOf<QPushButton>(form.cmdTimer), Qt::LeftButton);
  EXPECT_EQ(form.mblnTimerActive, kVbTrue);
}

TEST(QtMessageBox, ShowsTheIconOfTheStyleOverTheOkButton) {
  struct Row {
    std::uint32_t style;
    QMessageBox::Icon icon;
  };
  const Row rows[] = {
      {kMbOk, QMessageBox::NoIcon},
      {kMbIconInformation, QMessageBox::Information},
      {kMbIconHand, QMessageBox::Critical},
      {kMbIconExclamation, QMessageBox::Warning},
      {kMbIconQuestion, QMessageBox::Question},
  };
  for (const Row& row : rows) EXPECT_EQ(messageBoxStyle(row.style).icon, row.icon) << row.style;
  EXPECT_EQ(windowsAnswer(QMessageBox::Ok), kIdOk);
  EXPECT_EQ(windowsAnswer(QMessageBox::NoButton), 0);
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

TEST_F(WindowSystemTest, AMinimisedWindowStaysReachableAndComesBack) {
  form.showInTaskbar = true;
  form.minimize();
  EXPECT_TRUE(window->isMinimized());
  EXPECT_TRUE(window->isVisible());
  form.show();
  EXPECT_FALSE(window->isMinimized());
  form.hide();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace slumbrix::test

namespace slumbrix::test {
namespace {

// The program's own end leaves the event loop even though the form's windows refuse to be
// closed by anyone but the form.
TEST(QtWindowSystemEnd, LeavesTheRunningEventLoop) {
  QtWindowSystem ws;
  Form form("frmTest", ws);
  form.Unload = [](std::int16_t& cancel) { cancel = 1; };
  form.clientWidth = 1500;
  form.clientHeight = 900;
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
