#include "frontend/qt/menus.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "frontend/qt/form_window.h"
#include "frontend/qt/qt_text.h"

namespace slumbrix {

void MenuPeer::propertyChanged(Control&, Property) {
  window_.scheduleMenuBar();
}

void fillMenu(QMenu& target, const Menu& menu, FormWindow& window) {
  for (Menu* item : menu.items()) {
    if (!item->Visible()) continue;
    if (item->isSeparator()) {
      target.addSeparator();
      continue;
    }
    if (!item->items().empty()) {
      QMenu* sub = target.addMenu(fromAnsi(item->Caption()));
      sub->setEnabled(item->Enabled());
      fillMenu(*sub, *item, window);
      continue;
    }
    QAction* action = target.addAction(fromAnsi(item->Caption()));
    action->setEnabled(item->Enabled());
    QPointer<FormWindow> guard(&window);
    QObject::connect(action, &QAction::triggered, action, [guard, item] {
      if (guard != nullptr && guard->form() != nullptr) item->click();
    });
  }
}

QMenuBar* createMenuBar(FormWindow& window) {
  Form* form = window.form();
  if (form == nullptr) return nullptr;
  QMenuBar* bar = nullptr;
  for (Control* c : form->controls()) {
    if (c->kind() != ControlKind::Menu || c->container() != form || !c->Visible()) continue;
    auto* menu = static_cast<Menu*>(c);
    if (bar == nullptr) bar = new QMenuBar(&window);
    QMenu* qmenu = bar->addMenu(fromAnsi(menu->Caption()));
    qmenu->setEnabled(menu->Enabled());
    fillMenu(*qmenu, *menu, window);
  }
  return bar;
}

}  // namespace slumbrix
