// Shows the demo window (and, with a second argument "about", its dialog) for looking at the
// widgets; with a file name it saves a picture of the window and ends.
#include <QApplication>
#include <QTimer>

#include "demo_form.h"
#include "frontend/qt/qt_window_system.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  slumbrix::QtWindowSystem ws;
  slumbrix::test::DemoForm form(ws);
  slumbrix::test::DemoDialog dialog(ws);
  form.show();
  form.picGraph.setScaleMode(slumbrix::ScaleMode::User);
  for (int i = 0; i < 100; ++i) {
    const double load = 50 + 40 * ((i * 37) % 17) / 17.0 - 20;
    form.picGraph.Line(i, 100 - load, i + 1, 100 - load + ((i % 3) - 1) * 8,
                       slumbrix::Color::fromRgb(0x008000));
  }
  form.picUsage.FilledBox(5, 45, 60, 62, slumbrix::Color::fromRgb(0x00C000));
  if (argc > 2) dialog.showModal(form);
  if (argc > 1) {
    QTimer::singleShot(500, [&] {
      QWidget* shown = argc > 2 ? ws.window(dialog) : ws.window(form);
      shown->grab().save(QString::fromLocal8Bit(argv[1]));
      QCoreApplication::exit(0);
    });
  }
  return app.exec();
}
