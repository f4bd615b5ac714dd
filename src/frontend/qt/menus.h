#pragma once

#include "frontend/qt/qt_peer.h"
#include "ui/menu.h"

class QMenu;
class QMenuBar;

namespace slumbrix {

class FormWindow;

// A menu or menu item: a change of its caption, Enabled or Visible rebuilds the window's menu
// bar.
class MenuPeer : public QtPeer {
 public:
  MenuPeer(FormWindow& window, Menu& menu) : QtPeer(menu), window_(window) {}
  void propertyChanged(Control& control, Property property) override;

 private:
  FormWindow& window_;
};

// Fills a Qt menu with the visible items of `menu`; a chosen item reaches the model as
// Menu::click() while `window` is still attached to its form.
void fillMenu(QMenu& target, const Menu& menu, FormWindow& window);

// The menu bar of a form: its visible top-level menus. Nothing when it has none.
QMenuBar* createMenuBar(FormWindow& window);

}  // namespace slumbrix
