// The window system contract on the Qt window system, offscreen.
#include "support/window_system_contract.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "frontend/qt/qt_window_system.h"
#include "frontend/qt/timer_peer.h"
#include "qt_test_support.h"
#include "ui/menu.h"

namespace slumbrix::test {
namespace {

class QtDriver {
 public:
  QtDriver() {
    ws_.setOnEnd([] {});
  }
  WindowSystem& windowSystem() { return ws_; }
  void wait(int milliseconds) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (milliseconds > 0) QTest::qWait(milliseconds);
    QCoreApplication::processEvents();
  }
  bool isShown(const Form& form) const {
    const FormWindow* window = ws_.window(form);
    return window != nullptr && window->isVisible() && !window->isMinimized();
  }
  // Qt keeps input from a window that a visible modal window blocks: one modal for the
  // whole program, or one modal for its parent window.
  bool takesInput(const Form& form) const {
    const FormWindow* window = ws_.window(form);
    if (window == nullptr || !window->isEnabled()) return false;
    for (QWidget* other : QApplication::topLevelWidgets()) {
      if (other == window || !other->isVisible()) continue;
      if (other->windowModality() == Qt::ApplicationModal) return false;
      if (other->windowModality() == Qt::WindowModal && other->parentWidget() == window)
        return false;
    }
    return true;
  }
  void closeBox(Form& form) {
    if (FormWindow* window = ws_.window(form)) window->close();
    wait(0);
  }
  std::vector<std::string> menuBar(const Form& form) {
    wait(0);  // the bar is rebuilt once the changes are made
    std::vector<std::string> captions;
    const FormWindow* window = ws_.window(form);
    if (window == nullptr || window->menuBar() == nullptr) return captions;
    for (QAction* action : window->menuBar()->actions())
      if (action->isVisible()) captions.push_back(action->text().toStdString());
    return captions;
  }
  void chooseOnBar(Form& form, Menu& item) {
    wait(0);
    const FormWindow* window = ws_.window(form);
    if (window == nullptr || window->menuBar() == nullptr) return;
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>())
      for (QAction* action : menu->actions())
        if (action->text().toStdString() == item.Caption()) return action->trigger();
  }
  std::vector<std::string> popup(Form& form, Menu& menu, const std::string& choice) {
    std::vector<std::string> shown;
    whenOpen([&](QWidget& open) {
      for (QAction* action : open.actions()) {
        if (action->isSeparator())
          shown.push_back(kSeparator);
        else if (action->isVisible())
          shown.push_back(action->text().toStdString());
      }
      chooseInMenu(open, QString::fromStdString(choice));
    });
    ws_.popupMenu(form, menu);
    return shown;
  }
  MessageBoxSeen messageBox(const std::string& text, std::uint32_t style,
                            const std::string& title) {
    MessageBoxSeen seen;
    whenOpen([&](QWidget& open) {
      auto* box = dynamic_cast<QMessageBox*>(&open);
      if (box == nullptr) return;
      seen.text = box->text().toStdString();
      seen.title = box->windowTitle().toStdString();
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    });
    seen.answer = ws_.messageBox(text, style, title);
    return seen;
  }
  std::optional<bool> runsCoarse(const Timer& timer) const {
    const auto* peer = dynamic_cast<const TimerPeer*>(timer.peer());
    if (peer == nullptr) return std::nullopt;
    return peer->qtimer().timerType() == Qt::CoarseTimer;
  }
  bool ended() const { return ws_.ended(); }

 private:
  QtWindowSystem ws_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, WindowSystemContract, QtDriver);

}  // namespace
}  // namespace slumbrix::test
