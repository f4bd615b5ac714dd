#include "frontend/win32/win32_window_system.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "frontend/win32/form_window.h"
#include "frontend/win32/pane_window.h"
#include "frontend/win32/toolkit.h"
#include "platform/win32/handles.h"

namespace slumbrix {

using win32::FormWindow;

namespace {

// The form window a window belongs to (itself or an ancestor), null for other windows.
FormWindow* formWindowOf(HWND window) {
  for (HWND w = window; w != nullptr; w = GetParent(w)) {
    if (auto* form = dynamic_cast<FormWindow*>(win32::objectOf(w)))
      return form->live() ? form : nullptr;
    if ((GetWindowLongA(w, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return nullptr;
}

}  // namespace

Win32WindowSystem::Win32WindowSystem() {
  // With the application manifest this selects the themed common controls on XP.
  InitCommonControls();
  toolkit_ = std::make_unique<win32::Toolkit>();
}

Win32WindowSystem::~Win32WindowSystem() {
  // The forms may already be gone: only windows are destroyed here, the model is not touched.
  ended_ = true;
  forms_.clear();
  retired_.clear();
}

win32::FormWindow* Win32WindowSystem::find(const Form& form) const {
  const auto it = forms_.find(&form);
  return it == forms_.end() ? nullptr : it->second.get();
}

int Win32WindowSystem::run() {
  MSG message{};
  while (!ended_) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!translateKey(&message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    win32::PictureWindow::refreshPending();
    releaseRetired();
  }
  return ended_ ? 0 : static_cast<int>(message.wParam);
}

bool Win32WindowSystem::translateKey(const void* raw) {
  const MSG& message = *static_cast<const MSG*>(raw);
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      break;
    default:
      return false;
  }
  FormWindow* form = ended_ ? nullptr : formWindowOf(message.hwnd);
  return form != nullptr && form->translateKey(message);
}

void Win32WindowSystem::releaseRetired() {
  retired_.clear();
}

void Win32WindowSystem::createPeers(Form& form) {
  if (ended_ || find(form) != nullptr) return;
  auto window = std::make_unique<FormWindow>(*toolkit_, form);
  FormWindow& created = *window;
  forms_[&form] = std::move(window);
  created.create();
}

void Win32WindowSystem::destroyPeers(Form& form) {
  const auto it = forms_.find(&form);
  if (it == forms_.end()) return;
  // Windows destroys the windows a window owns along with it: a modal form still open over
  // this one gets its plain owner back first, and stays.
  for (auto& [other, window] : forms_) window->forgetOwner(it->second.get());
  it->second->destroy();
  // Its handlers may still be running further up the call stack: freed between messages.
  retired_.push_back(std::move(it->second));
  forms_.erase(it);
}

void Win32WindowSystem::showForm(Form& form, Form* modalOwner) {
  if (ended_) return;
  FormWindow* window = find(form);
  if (window == nullptr) return;
  window->show(modalOwner != nullptr ? find(*modalOwner) : nullptr);
}

void Win32WindowSystem::hideForm(Form& form) {
  if (ended_) return;
  if (FormWindow* window = find(form)) window->hide();
}

void Win32WindowSystem::minimizeForm(Form& form) {
  if (ended_) return;
  if (FormWindow* window = find(form)) window->minimize();
}

void Win32WindowSystem::popupMenu(Form& form, Menu& menu) {
  if (ended_) return;
  if (FormWindow* window = find(form)) window->popup(menu);
}

int Win32WindowSystem::messageBox(const std::string& text, std::uint32_t style,
                                  const std::string& title) {
  if (ended_) return 0;
  // Owned by the active form when there is one; otherwise modal for the whole program.
  FormWindow* active = formWindowOf(GetActiveWindow());
  HWND owner = active != nullptr ? active->hwnd() : nullptr;
  const UINT flags = style | MB_SETFOREGROUND | (owner == nullptr ? MB_TASKMODAL : 0);
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

std::string Win32WindowSystem::clipboardText() const {
  std::string result;
  if (OpenClipboard(toolkit_->hiddenOwner()) == FALSE) return result;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
      result = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return result;
}

void Win32WindowSystem::setClipboardText(const std::string& text) {
  if (ended_) return;
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (data == nullptr) return;
  if (auto* chars = static_cast<char*>(GlobalLock(data))) {
    text.copy(chars, text.size());
    chars[text.size()] = '\0';
    GlobalUnlock(data);
  }
  // The hidden owner takes the clipboard, so that the text stays when a form's window goes.
  if (OpenClipboard(toolkit_->hiddenOwner()) == FALSE) {
    GlobalFree(data);
    return;
  }
  EmptyClipboard();
  // Once set, the data belongs to the clipboard.
  if (SetClipboardData(CF_TEXT, data) == nullptr) GlobalFree(data);
  CloseClipboard();
}

int Win32WindowSystem::twipsPerPixelX() const {
  return toolkit_->twipsPerPixelX();
}
int Win32WindowSystem::twipsPerPixelY() const {
  return toolkit_->twipsPerPixelY();
}

Handle Win32WindowSystem::windowHandle(const Form& form) const {
  const FormWindow* window = find(form);
  return window == nullptr ? 0 : win32::toHandle(window->hwnd());
}

Handle Win32WindowSystem::iconHandle(const Form& form) const {
  const FormWindow* window = find(form);
  return window == nullptr ? 0 : win32::toHandle(window->smallIcon());
}

void Win32WindowSystem::endProgram() {
  if (ended_) return;
  ended_ = true;
  for (auto& [form, window] : forms_) {
    window->destroy();
    retired_.push_back(std::move(window));
  }
  forms_.clear();
  PostQuitMessage(0);
}

}  // namespace slumbrix
