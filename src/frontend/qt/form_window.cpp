#include "frontend/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "frontend/qt/appearance_qt.h"
#include "frontend/qt/menus.h"
#include "frontend/qt/qt_text.h"
#include "frontend/qt/qt_window_system.h"
#include "frontend/qt/widget_factory.h"

namespace slumbrix {
FormWindow::FormWindow(QtWindowSystem& windowSystem, Form& form, Handle handle)
    : QWidget(nullptr), QtPeer(form), windowSystem_(windowSystem), handle_(handle) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (!form.fixedDialog) flags |= Qt::WindowMinMaxButtonsHint;
  setWindowFlags(flags);
  setAttribute(Qt::WA_DeleteOnClose, false);
  // The window takes the focus only when none of its controls can (the keys then reach the
  // form); a click on its background leaves the focus where it is.
  setFocusPolicy(Qt::TabFocus);
  setFont(fontOf(form, form));
  setWindowTitle(fromAnsi(form.Caption()));
  QIcon icon = iconByName(fromAnsi(form.icon));
  setWindowIcon(icon.isNull() ? QApplication::windowIcon() : icon);

  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  layout_->setSizeConstraint(QLayout::SetFixedSize);
  client_ = new QWidget(this);
  client_->setFixedSize(pixels(form.clientWidth, true), pixels(form.clientHeight, false));
  applyColors(*client_, form, QPalette::WindowText, QPalette::Window);
  layout_->addWidget(client_);
  registerContainer(form, client_, QPoint());
}

FormWindow::~FormWindow() = default;

int FormWindow::pixels(int twips, bool horizontal) const {
  const int perPixel = horizontal ? windowSystem_.twipsPerPixelX() : windowSystem_.twipsPerPixelY();
  return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

void FormWindow::registerContainer(const Control& control, QWidget* widget, QPoint innerOffset) {
  containers_[&control] = {widget, innerOffset};
}

QWidget* FormWindow::containerWidget(const Control* container) const {
  const auto it = containers_.find(container);
  return it == containers_.end() ? client_ : it->second.first;
}

QRect FormWindow::pixelRect(const Control& control) const {
  const auto it = containers_.find(control.container());
  const QPoint offset = it == containers_.end() ? QPoint() : it->second.second;
  const Rect& b = control.bounds();
  return QRect(offset.x() + pixels(b.left, true), offset.y() + pixels(b.top, false),
               std::max(0, pixels(b.width, true)), std::max(0, pixels(b.height, false)));
}

void FormWindow::build() {
  Form* form = this->form();
  for (Control* control : form->controls()) addControl(*control);
  applyFocusPolicies();
  rebuildMenuBar();
}

void FormWindow::addControl(Control& control) {
  CreatedPeer created = createPeer(*this, control, containerWidget(control.container()));
  if (created.peer == nullptr) return;
  peers_.push_back(created.peer);
  if (created.owned) ownedPeers_.push_back(std::move(created.owned));
  if (created.widget != nullptr) {
    widgets_[&control] = created.widget;
    if (created.isContainer) registerContainer(control, created.widget, created.innerOffset);
  }
}

void FormWindow::applyFocusPolicies() {
  // A control that is no tab stop still takes the focus by a click.
  for (const auto& [control, widget] : widgets_)
    if (!control->tabStop && widget->focusPolicy() != Qt::NoFocus)
      widget->setFocusPolicy(Qt::ClickFocus);
}

Control* FormWindow::controlOf(const QWidget* widget) const {
  for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
    for (const auto& [control, shown] : widgets_)
      if (shown == widget) return const_cast<Control*>(control);
  }
  return nullptr;
}

void FormWindow::focusFirst() {
  if (focusWidget() != nullptr || form() == nullptr) return;
  const std::vector<Control*> order = form()->tabOrder();
  if (order.empty()) return;
  focusControl(*order.front());
}

void FormWindow::focusControl(const Control& control) {
  const auto it = widgets_.find(&control);
  if (it == widgets_.end()) return;
  // A move by the keyboard: the style shows where the focus is (Qt marks the window so only
  // for the Tab key it handles itself).
  setAttribute(Qt::WA_KeyboardFocusChange);
  it->second->setFocus(Qt::TabFocusReason);
}

void FormWindow::enterMenuBar() {
  if (menuBar_ == nullptr) return;
  for (QAction* menu : menuBar_->actions()) {
    if (!menu->isVisible() || menu->isSeparator()) continue;
    menuBar_->setActiveAction(menu);
    return;
  }
}

void FormWindow::typeIntoForm(const QString& text) {
  for (QChar c : text) {
    if (form() == nullptr) return;
    if (c.unicode() >= 32 && c.unicode() <= 0xFF)
      form()->keyPress(static_cast<std::int16_t>(c.unicode()));
  }
}

bool FormWindow::focusNextPrevChild(bool next) {
  Form* form = this->form();
  if (form == nullptr) return QWidget::focusNextPrevChild(next);
  Control* target = form->tab(controlOf(QApplication::focusWidget()), next);
  const auto it = widgets_.find(target);
  if (it != widgets_.end())
    it->second->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

QMenuBar* FormWindow::menuBar() const {
  return menuBar_.data();
}

void FormWindow::scheduleMenuBar() {
  if (menuBarPending_) return;
  menuBarPending_ = true;
  // Later: the change may come from a click on the menu that would be replaced.
  QTimer::singleShot(0, this, [this] { rebuildMenuBar(); });
}

void FormWindow::rebuildMenuBar() {
  menuBarPending_ = false;
  if (menuBar_ != nullptr) {
    menuBar_->hide();
    menuBar_->deleteLater();
  }
  menuBar_ = createMenuBar(*this);
  layout_->setMenuBar(menuBar_);
}

void FormWindow::detachAll() {
  for (QtPeer* peer : peers_) peer->detach();
  detach();
}

void FormWindow::propertyChanged(Control& control, Property property) {
  Form& form = static_cast<Form&>(control);
  if (property == Property::Caption) setWindowTitle(fromAnsi(form.Caption()));
  if (property == Property::Enabled) client_->setEnabled(form.Enabled());
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The form decides: it unloads, or it cancels and perhaps hides itself. A window whose
  // form is gone closes.
  Form* form = this->form();
  if (form == nullptr) return event->accept();
  event->ignore();
  form->requestClose();
}

}  // namespace slumbrix
