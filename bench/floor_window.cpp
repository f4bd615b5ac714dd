// The floors of the idle cost: what any Qt 6 tray utility with a clock costs at rest, written
// the plain way. A window of the main window's size with a tray icon and a label that a 500 ms
// timer fills with the time of day. With --watch, a 10 ms precise timer also compares a
// label's text with a field's text, as a threshold watch does; it never finds it below.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool watch = argc > 1 && qstrcmp(argv[1], "--watch") == 0;

  QWidget window;
  window.setWindowTitle(watch ? QStringLiteral("Floor with watch") : QStringLiteral("Floor"));
  window.setFixedSize(346, 440);
  QLabel clock(&window);
  clock.setGeometry(16, 16, 120, 20);
  QLabel figure(QStringLiteral("37"), &window);
  figure.setGeometry(16, 40, 40, 20);
  QLineEdit threshold(QStringLiteral("1"), &window);
  threshold.setGeometry(16, 64, 40, 22);

  QPixmap picture(32, 32);
  picture.fill(QColor(0xC0, 0, 0));
  QSystemTrayIcon tray{QIcon(picture)};
  tray.setToolTip(QStringLiteral("Floor"));
  tray.show();

  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&clock] {
    clock.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss AP")));
  });
  tick.start(500);

  QTimer watcher;
  watcher.setTimerType(Qt::PreciseTimer);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    bool isNumber = false;
    const int usage = figure.text().toInt(&isNumber);
    if (isNumber && usage < threshold.text().toInt()) QApplication::quit();
  });
  if (watch) watcher.start(10);

  window.show();
  return app.exec();
}
