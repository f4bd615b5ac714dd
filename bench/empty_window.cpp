// The floor of the idle cost: an empty Qt window of the main window's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Empty window"));
  window.resize(346, 440);
  window.show();
  return app.exec();
}
