// The menus and the keyboard focus of a form window.
#include <algorithm>
#include <string>

#include "frontend/win32/form_window.h"

namespace slumbrix::win32 {

namespace {

constexpr UINT kFirstMenuId = 1000;
constexpr char kSeparator[] = "-";

std::string menuProperty(const Control& menu) {
  return kMenuPropertyPrefix + menu.displayName();
}

bool isVisibleWindow(HWND window) {
  return window != nullptr && IsWindowVisible(window) != FALSE;
}

}  // namespace

// Rebuilds the menu bar whenever a menu's caption, state or visibility changes.
class FormWindow::MenuPeer : public ControlPeer {
 public:
  explicit MenuPeer(FormWindow& owner) : owner_(owner) {}
  void propertyChanged(Control&, Property) override { owner_.rebuildMenuBar(); }

 private:
  FormWindow& owner_;
};

void FormWindow::createMenus() {
  for (Control* c : form_.controls()) {
    if (c->kind() != ControlKind::Menu) continue;
    menus_.push_back(static_cast<Menu*>(c));
    peers_.push_back(std::make_unique<MenuPeer>(*this));
    c->setPeer(peers_.back().get());
    // The command of each menu item under its name, for tools outside the process.
    const UINT id = kFirstMenuId + static_cast<UINT>(menus_.size() - 1);
    SetPropA(hwnd_, menuProperty(*c).c_str(), reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(id)));
  }
}

void FormWindow::removeMenuProperties() {
  for (Menu* menu : menus_) RemovePropA(hwnd_, menuProperty(*menu).c_str());
}

Menu* FormWindow::menuForCommand(UINT id) const {
  if (id < kFirstMenuId || id - kFirstMenuId >= menus_.size()) return nullptr;
  return menus_[id - kFirstMenuId];
}

HMENU FormWindow::buildMenu(Menu& menu, bool popup) {
  HMENU handle = popup ? CreatePopupMenu() : CreateMenu();
  for (Menu* item : menu.items()) {
    if (!item->Visible()) continue;
    const UINT state = item->Enabled() ? MF_ENABLED : MF_GRAYED;
    const std::vector<Menu*> children = item->items();
    if (item->Caption() == kSeparator) {
      AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
    } else if (!children.empty()) {
      AppendMenuA(handle, MF_POPUP | state, reinterpret_cast<UINT_PTR>(buildMenu(*item, true)),
                  item->Caption().c_str());
    } else {
      const auto at = std::find(menus_.begin(), menus_.end(), item) - menus_.begin();
      AppendMenuA(handle, MF_STRING | state, kFirstMenuId + static_cast<UINT>(at),
                  item->Caption().c_str());
    }
  }
  return handle;
}

void FormWindow::rebuildMenuBar() {
  if (!live() || hwnd_ == nullptr) return;
  // The bar holds the visible top-level menus; a hidden one (a pop-up menu) stays off it.
  HMENU bar = CreateMenu();
  int count = 0;
  for (Menu* menu : menus_) {
    if (menu->container() != &form_ || !menu->Visible()) continue;
    const UINT state = menu->Enabled() ? MF_ENABLED : MF_GRAYED;
    if (!menu->items().empty()) {
      AppendMenuA(bar, MF_POPUP | state, reinterpret_cast<UINT_PTR>(buildMenu(*menu, true)),
                  menu->Caption().c_str());
    } else {
      const auto at = std::find(menus_.begin(), menus_.end(), menu) - menus_.begin();
      AppendMenuA(bar, MF_STRING | state, kFirstMenuId + static_cast<UINT>(at),
                  menu->Caption().c_str());
    }
    ++count;
  }
  HMENU old = menuBar_;
  menuBar_ = count > 0 ? bar : nullptr;
  SetMenu(hwnd_, menuBar_);
  if (count == 0) DestroyMenu(bar);
  if (old != nullptr) DestroyMenu(old);
  resizeToClientArea();
}

void FormWindow::popup(Menu& menu) {
  if (!live() || hwnd_ == nullptr) return;
  HMENU items = buildMenu(menu, true);
  POINT at{};
  GetCursorPos(&at);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(items, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y,
                     0, hwnd_, nullptr));
  // Lets the menu close properly when it was opened for a notification-area icon.
  PostMessageA(hwnd_, WM_NULL, 0, 0);
  DestroyMenu(items);
  if (Menu* item = menuForCommand(chosen)) item->click();
}

void FormWindow::focusOn(Control* control) {
  const auto it = byControl_.find(control);
  if (it != byControl_.end() && isVisibleWindow(it->second->hwnd())) SetFocus(it->second->hwnd());
}

void FormWindow::focusFirst() {
  const std::vector<Control*> order = form_.tabOrder();
  if (order.empty()) {
    SetFocus(hwnd_);
  } else {
    focusOn(order.front());
  }
}

void FormWindow::onActivate(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus) != FALSE) lastFocus_ = focus;
    return;
  }
  if (HIWORD(state) != 0) return;  // minimised
  if (lastFocus_ != nullptr && IsChild(hwnd_, lastFocus_) != FALSE &&
      IsWindowEnabled(lastFocus_) != FALSE && IsWindowVisible(lastFocus_) != FALSE) {
    SetFocus(lastFocus_);
  } else {
    focusFirst();
  }
}

}  // namespace slumbrix::win32
