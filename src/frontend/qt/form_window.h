#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

#include "frontend/qt/qt_peer.h"
#include "platform/platform.h"
#include "ui/form.h"

class QMenuBar;
class QVBoxLayout;

namespace slumbrix {

class QtWindowSystem;

// The real window of a loaded form: a fixed client area (below the menu bar, if any) in which
// the controls sit at their positions, converted from twips. The window is the form's peer
// and owns the peers of the controls.
class FormWindow : public QWidget, public QtPeer {
 public:
  FormWindow(QtWindowSystem& windowSystem, Form& form, Handle handle);
  ~FormWindow() override;

  // The form, null once the window has been detached from it.
  Form* form() const { return static_cast<Form*>(control_); }
  QtWindowSystem& windowSystem() const { return windowSystem_; }
  Handle handle() const { return handle_; }
  QIcon icon() const { return windowIcon(); }
  // The menu bar; null when the form shows no menu.
  QMenuBar* menuBar() const;

  // Creates the widgets of every control, in the order of the form, then the tab order and the
  // menu bar.
  void build();
  // Cuts every peer from its control (the form is being unloaded or the program ends).
  void detachAll();

  // Where the children of a container sit, and the offset of its inner area.
  QWidget* containerWidget(const Control* container) const;
  // The control's rectangle in pixels, in its container widget's coordinates.
  QRect pixelRect(const Control& control) const;
  int pixels(int twips, bool horizontal) const;

  // Gives the focus to the first control in the form's tab order, unless a control has it.
  void focusFirst();
  // Moves the focus to the control's widget, shown as a move by the keyboard.
  void focusControl(const Control& control);
  // Opens the first menu of the menu bar, as F10 or Alt does.
  void enterMenuBar();
  // Characters typed while no control has the focus, for the form's key handler.
  void typeIntoForm(const QString& text);
  // The control whose widget is `widget` or holds it; null for none.
  Control* controlOf(const QWidget* widget) const;
  // Rebuilds the menu bar once control returns to the event loop.
  void scheduleMenuBar();

  void propertyChanged(Control& control, Property property) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Tab and Shift+Tab (and Qt's own moves away from a widget that lost its use) go where the
  // form's tab order says.
  bool focusNextPrevChild(bool next) override;

 private:
  void addControl(Control& control);
  void registerContainer(const Control& control, QWidget* widget, QPoint innerOffset);
  void applyFocusPolicies();
  void rebuildMenuBar();

  QtWindowSystem& windowSystem_;
  Handle handle_;
  QWidget* client_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
  QPointer<QMenuBar> menuBar_;
  bool menuBarPending_ = false;
  std::map<const Control*, std::pair<QWidget*, QPoint>> containers_;
  std::map<const Control*, QWidget*> widgets_;
  std::vector<QtPeer*> peers_;
  std::vector<std::unique_ptr<QtPeer>> ownedPeers_;
};

}  // namespace slumbrix
