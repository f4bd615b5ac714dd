// Windows as the forms ask for them: closing, modality, message boxes, handles, the program's
// end and the window without a notification area.
#include <QClipboard>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
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

TEST_F(WindowSystemTest, AModalFormBlocksItsOwner) {
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

TEST_F(WindowSystemTest, AModalFormOutlivesItsOwnersWindow) {
  // An owner of the test's own that agrees to unload; the real About window over it.
  Form owner("frmOwner", ws);
  owner.add<CommandButton>(nullptr, "cmdOk").setCaption("OK");
  owner.clientWidth = 1500;
  owner.clientHeight = 900;
  owner.show();
  frmAbout about(ws, platform);
  about.showModal(owner);
  ASSERT_TRUE(owner.unload());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_NE(ws.window(about), nullptr);
  about.labelÜberCaption.setCaption("Still here");
  EXPECT_EQ(widgetOf<QLabel>(about.labelÜberCaption)->text(), "Still here");
  (void)about.unload();
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

TEST_F(WindowSystemTest, TheEndStopsEverything) {
  int ticks = 0;
  const auto clockTick = form.thetime.Tick;
  form.thetime.Tick = [&] {
    ++ticks;
    clockTick();
  };
  ASSERT_TRUE(form.thetime.Enabled());
  ws.endProgram();
  EXPECT_TRUE(ended);
  EXPECT_TRUE(ws.ended());
  EXPECT_EQ(ws.window(form), nullptr);
  EXPECT_EQ(form.thetime.peer(), nullptr);
  QTest::qWait(1200);  // more than two of the clock's intervals
  EXPECT_EQ(ticks, 0);
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
