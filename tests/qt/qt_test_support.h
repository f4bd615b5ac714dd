#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

#include "demo_form.h"
#include "frontend/qt/qt_window_system.h"

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

// The demo window, shown, in a window system that ends into a flag instead of quitting.
class DemoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.setOnEnd([this] { ended = true; });
    ws.setTrayAvailable(true);
    form.show();
    window = ws.window(form);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  QtWindowSystem ws;
  DemoForm form{ws};
  FormWindow* window = nullptr;
  bool ended = false;
};

}  // namespace slumbrix::test
