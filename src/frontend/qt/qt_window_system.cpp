#include "frontend/qt/qt_window_system.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMenu>
#include <QScreen>

#include <cmath>

#include "frontend/qt/appearance_qt.h"
#include "frontend/qt/control_accessible.h"
#include "frontend/qt/menus.h"
#include "frontend/qt/message_box.h"
#include "frontend/qt/qt_text.h"
#include "frontend/qt/x11_taskbar.h"
#include "ui/menu.h"
#include "ui/placement.h"

namespace slumbrix {
namespace {

constexpr Handle kHandleStep = 0x10;

int twipsPerPixel(bool horizontal) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen == nullptr ? 96.0
                     : horizontal      ? screen->logicalDotsPerInchX()
                                       : screen->logicalDotsPerInchY();
  return std::max(1, static_cast<int>(std::lround(1440.0 / (dpi > 0 ? dpi : 96.0))));
}

void centre(QWidget& window) {
  const QScreen* screen =
      window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QSize size = window.sizeHint();
  const QRect area = screen->availableGeometry();
  const ScreenPoint at = centredPlacement(size.width(), size.height(),
                                          {area.x(), area.y(), area.width(), area.height()});
  window.move(at.x, at.y);
}

}  // namespace

QtWindowSystem::QtWindowSystem() {
  // The program lives on with its windows hidden; it ends through endProgram only.
  QApplication::setQuitOnLastWindowClosed(false);
  // Every key of a form's window goes to its form first.
  qApp->installEventFilter(&keys_);
  installFontSubstitutions();
  installControlAccessibility();
  QApplication::setFont(defaultFont());
  // exit(), not quit(): quit() asks every window to close first, and a form's window refuses.
  // The queued exit covers an end that comes before the event loop has started.
  onEnd_ = [] {
    QCoreApplication::exit(0);
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
  };
}

QtWindowSystem::~QtWindowSystem() {
  for (auto& [form, window] : windows_) delete window.data();
}

std::vector<Form*> QtWindowSystem::forms() const {
  std::vector<Form*> loaded;
  for (const auto& [form, window] : windows_)
    if (window != nullptr && window->form() != nullptr) loaded.push_back(window->form());
  return loaded;
}

FormWindow* QtWindowSystem::window(const Form& form) const {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.data();
}

Form* QtWindowSystem::formOf(Handle handle) const {
  for (const auto& [form, window] : windows_)
    if (window != nullptr && window->handle() == handle) return window->form();
  return nullptr;
}

void QtWindowSystem::createPeers(Form& form) {
  if (ended_ || window(form) != nullptr) return;
  auto* created = new FormWindow(*this, form, nextHandle_);
  nextHandle_ += kHandleStep;
  windows_[&form] = created;
  created->build();
}

void QtWindowSystem::destroyPeers(Form& form) {
  const auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* gone = it->second.data();
  windows_.erase(it);
  if (gone == nullptr) return;
  // A form shown modal over this one keeps its own window, which Qt would delete with it, and
  // stays on screen.
  for (auto& [other, window] : windows_) {
    if (window != nullptr && window->parentWidget() == gone) {
      const bool wasShown = window->isVisible();
      window->hide();
      window->setParent(nullptr, window->windowFlags());
      window->setWindowModality(Qt::NonModal);
      if (!wasShown) continue;
      setSkipTaskbar(*window, !other->showInTaskbar);
      window->show();
    }
  }
  gone->detachAll();
  gone->hide();
  // Later: the request may come from a handler of one of its own widgets.
  gone->deleteLater();
}

void QtWindowSystem::showForm(Form& form, Form* modalOwner) {
  FormWindow* shown = window(form);
  if (ended_ || shown == nullptr) return;
  FormWindow* owner = modalOwner == nullptr ? nullptr : window(*modalOwner);
  const Qt::WindowModality modality = owner != nullptr ? Qt::WindowModal : Qt::NonModal;
  if (shown->parentWidget() != owner || shown->windowModality() != modality) {
    shown->hide();
    shown->setParent(owner, shown->windowFlags());
    shown->setWindowModality(modality);
  }
  if (!shown->isVisible()) {
    if (!shown->property("slumbrixPlaced").toBool()) {
      if (form.startCentered) centre(*shown);
      shown->setProperty("slumbrixPlaced", true);
    }
    setSkipTaskbar(*shown, !form.showInTaskbar);
  }
  if (shown->isMinimized()) {
    shown->showNormal();
  } else {
    shown->show();
  }
  shown->raise();
  shown->activateWindow();
  shown->focusFirst();
}

void QtWindowSystem::hideForm(Form& form) {
  FormWindow* hidden = window(form);
  if (ended_ || hidden == nullptr) return;
  hidden->hide();
}

void QtWindowSystem::minimizeForm(Form& form) {
  FormWindow* minimized = window(form);
  if (ended_ || minimized == nullptr) return;
  setSkipTaskbar(*minimized, !form.showInTaskbar);
  minimized->showMinimized();
}

void QtWindowSystem::popupMenu(Form& form, Menu& menu) {
  FormWindow* owner = window(form);
  if (ended_ || owner == nullptr) return;
  QMenu popup;
  popup.setFont(owner->font());
  fillMenu(popup, menu, *owner);
  if (popup.isEmpty()) return;
  popup.exec(QCursor::pos());
}

int QtWindowSystem::messageBox(const std::string& text, std::uint32_t style,
                               const std::string& title) {
  if (ended_) return 0;
  return showMessageBox(text, style, title);
}

std::string QtWindowSystem::clipboardText() const {
  return toAnsi(QApplication::clipboard()->text());
}

void QtWindowSystem::setClipboardText(const std::string& text) {
  if (!ended_) QApplication::clipboard()->setText(fromAnsi(text));
}

int QtWindowSystem::twipsPerPixelX() const {
  return twipsPerPixel(true);
}
int QtWindowSystem::twipsPerPixelY() const {
  return twipsPerPixel(false);
}

Handle QtWindowSystem::windowHandle(const Form& form) const {
  const FormWindow* shown = window(form);
  return shown == nullptr ? 0 : shown->handle();
}

Handle QtWindowSystem::iconHandle(const Form& form) const {
  const Handle handle = windowHandle(form);
  return handle == 0 ? 0 : handle + 1;
}

QWidget* QtWindowSystem::nativeWindow(Handle handle) const {
  for (const auto& [form, window] : windows_)
    if (window != nullptr && window->handle() == handle) return window.data();
  return nullptr;
}

QIcon QtWindowSystem::nativeIcon(Handle icon) const {
  for (const auto& [form, window] : windows_)
    if (window != nullptr && window->handle() + 1 == icon) return window->icon();
  return {};
}

void QtWindowSystem::endProgram() {
  if (ended_) return;
  ended_ = true;
  // No further event: every peer is cut from its control before anything else can run.
  for (auto& [form, window] : windows_)
    if (window != nullptr) window->detachAll();
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  for (auto& [form, window] : windows_) {
    if (window == nullptr) continue;
    window->hide();
    window->deleteLater();
  }
  windows_.clear();
  if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  if (onEnd_) onEnd_();
}

}  // namespace slumbrix
