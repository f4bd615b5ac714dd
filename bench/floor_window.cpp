// The floors of the idle cost: what any Qt 6 tray utility with a clock costs at rest, written
// the plain way. A window of the main window's size with a tray icon and a label that a 500 ms
// timer fills with the time of day. With --watch, a 10 ms precise timer also compares a
// label's text with a field's text, as a threshold watch does; it never finds it below.
// With --meter, the same 500 ms tick also reads /proc/stat, shows the processor load in the
// figure's label and draws the last hundred readings as a line in a small graph: what a CPU
// meter costs when Qt draws it the plain way, for comparison (not a floor of the goals).
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <array>

namespace {

// Busy and total jiffies of all processors, from the first line of /proc/stat.
std::array<qint64, 2> readCounters() {
  QFile stat(QStringLiteral("/proc/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return {0, 0};
  const QList<QByteArray> fields = stat.readLine().simplified().split(' ');
  qint64 total = 0;
  qint64 idle = 0;
  for (int i = 1; i < fields.size() && i <= 8; ++i) {
    total += fields[i].toLongLong();
    if (i == 4 || i == 5) idle += fields[i].toLongLong();
  }
  return {total - idle, total};
}

class Graph : public QWidget {
 public:
  using QWidget::QWidget;
  void add(int percent) {
    std::copy(history_.begin() + 1, history_.end(), history_.begin());
    history_.back() = percent;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xE0, 0xE0, 0xE0));
    QPolygon line;
    for (int i = 0; i < static_cast<int>(history_.size()); ++i)
      line << QPoint(i * (width() - 1) / 99, (height() - 1) * (100 - history_[i]) / 100);
    painter.setPen(QColor(0xC0, 0, 0));
    painter.drawPolyline(line);
  }

 private:
  std::array<int, 100> history_{};
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool watch = argc > 1 && qstrcmp(argv[1], "--watch") == 0;
  const bool meter = argc > 1 && qstrcmp(argv[1], "--meter") == 0;

  QWidget window;
  window.setWindowTitle(watch   ? QStringLiteral("Floor with watch")
                        : meter ? QStringLiteral("Floor with meter")
                                : QStringLiteral("Floor"));
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

  Graph graph(&window);
  graph.setGeometry(100, 40, 230, 60);
  graph.setVisible(meter);
  std::array<qint64, 2> last = readCounters();

  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    clock.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss AP")));
    if (!meter) return;
    const std::array<qint64, 2> now = readCounters();
    const qint64 total = now[1] - last[1];
    const int percent = total > 0 ? static_cast<int>(100 * (now[0] - last[0]) / total) : 0;
    last = now;
    figure.setText(QString::number(percent));
    graph.add(percent);
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
