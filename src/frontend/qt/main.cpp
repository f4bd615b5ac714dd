// The Linux program: the main window on Qt widgets, the Windows calls answered by the Linux
// platform.
#include <QApplication>

#include "app/frm_main.h"
#include "frontend/qt/appearance_qt.h"
#include "frontend/qt/platform_wiring.h"
#include "frontend/qt/program_style.h"
#include "frontend/qt/qt_window_system.h"
#include "platform/linux/linux_platform.h"

int main(int argc, char* argv[]) {
  // At rest the window repaints the meter every 500 ms, always the same small area. Through
  // shared memory, Qt on X11 must first wait for the server to finish reading the last frame
  // from that area, a round trip that wakes two threads each time; sent over the connection,
  // the few kilobytes of each repaint need no answer. A value the user set is kept.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  slumbrix::installProgramStyle();
  QApplication::setApplicationName(QStringLiteral("slumbrix"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.slumbrix.Slumbrix"));
  QApplication::setWindowIcon(slumbrix::iconByName(QStringLiteral("slumbrix")));

  slumbrix::LinuxPlatform platform;
  slumbrix::QtWindowSystem ws;
  slumbrix::connectPlatform(platform, ws);
  slumbrix::frmMain form(ws, platform);
  form.start();
  // A second instance has already said so and ended, before the event loop started.
  if (ws.ended()) return 0;
  return app.exec();
}
