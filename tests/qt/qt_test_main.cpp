// The widget tests run in Qt's offscreen platform, with D-Bus addresses where no bus listens.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform says so each time a window is raised or sized; that says nothing.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/slumbrix-test-session");
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/slumbrix-test-system");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
