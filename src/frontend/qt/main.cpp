// The Linux program: the main window on Qt widgets, the Windows calls answered by the Linux
// platform.
#include <QApplication>
#include <QIcon>

#include "app/frm_main.h"
#include "frontend/qt/platform_wiring.h"
#include "frontend/qt/qt_window_system.h"
#include "platform/linux/linux_platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("slumbrix"));
  QApplication::setDesktopFileName(QStringLiteral("slumbrix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/slumbrix/slumbrix.png")));

  slumbrix::LinuxPlatform platform;
  slumbrix::QtWindowSystem ws;
  slumbrix::connectPlatform(platform, ws);
  slumbrix::frmMain form(ws, platform);
  form.start();
  // A second instance has already said so and ended, before the event loop started.
  if (ws.ended()) return 0;
  return app.exec();
}
