#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/frm_main.h"
#include "frontend/qt/qt_window_system.h"
#include "support/fake_platform.h"

namespace slumbrix::test {

// The widget that shows a control.
template <class Widget>
Widget* widgetOf(const Control& control) {
  return dynamic_cast<Widget*>(control.peer());
}

// Runs `act` on the next pop-up menu or modal window that opens, once it is open.
inline void whenOpen(std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* open = QApplication::activePopupWidget();
    if (open == nullptr) open = QApplication::activeModalWidget();
    if (open != nullptr) act(*open);
  });
}

// Chooses the item with this text in an open menu.
inline void chooseInMenu(QWidget& menu, const QString& text) {
  for (QAction* action : menu.actions()) {
    if (action->text() == text) {
      action->trigger();
      break;
    }
  }
  menu.close();
}

// The real main window, started over the recording platform and shown, in a window system
// that ends into a flag instead of quitting.
class MainWindowWidgets : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.setOnEnd([this] { ended = true; });
    form.start();
    window = ws.window(form);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void click(Control& control) {
    auto* widget = dynamic_cast<QWidget*>(control.peer());
    ASSERT_NE(widget, nullptr) << control.name();
    QTest::mouseClick(widget, Qt::LeftButton);
  }

  QtWindowSystem ws;
  FakePlatform platform;
  frmMain form{ws, platform};
  FormWindow* window = nullptr;
  bool ended = false;
};

}  // namespace slumbrix::test
