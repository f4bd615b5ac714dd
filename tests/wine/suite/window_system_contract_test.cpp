// The window system contract on the native window system, under Wine. What the user does to a
// pop-up menu or a message box is done from a second thread while the test's thread waits in
// the window's own modal loop, as it would for a real user.
#include <windows.h>

#include "support/window_system_contract.h"

#include <functional>
#include <string>
#include <vector>

#include "frontend/win32/win32_window_system.h"
#include "ui/menu.h"

namespace slumbrix::test {
namespace {

constexpr DWORD kUserWaitMs = 5000;

HWND findShownTopLevel(const char* className, const char* title) {
  for (DWORD waited = 0; waited < kUserWaitMs; waited += 10) {
    HWND window = FindWindowA(className, title);
    if (window != nullptr && IsWindowVisible(window)) return window;
    Sleep(10);
  }
  return nullptr;
}

// Runs `act` on a thread of its own while the caller blocks in a modal loop.
class UserThread {
 public:
  explicit UserThread(std::function<void()> act) : act_(std::move(act)) {
    thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
  }
  ~UserThread() {
    if (thread_ == nullptr) return;
    WaitForSingleObject(thread_, kUserWaitMs);
    CloseHandle(thread_);
  }
  UserThread(const UserThread&) = delete;
  UserThread& operator=(const UserThread&) = delete;

 private:
  static DWORD WINAPI run(LPVOID self) {
    static_cast<UserThread*>(self)->act_();
    return 0;
  }
  std::function<void()> act_;
  HANDLE thread_ = nullptr;
};

void pressKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

class Win32Driver {
 public:
  WindowSystem& windowSystem() { return ws_; }
  void wait(int milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
      pump();
      const DWORD waited = GetTickCount() - start;
      if (waited >= static_cast<DWORD>(milliseconds)) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds) - waited,
                                QS_ALLINPUT);
    }
  }
  bool isShown(const Form& form) const {
    HWND window = hwnd(form);
    return window != nullptr && IsWindowVisible(window) && !IsIconic(window);
  }
  bool takesInput(const Form& form) const {
    HWND window = hwnd(form);
    return window != nullptr && IsWindowEnabled(window);
  }
  void closeBox(Form& form) {
    if (HWND window = hwnd(form)) SendMessageA(window, WM_CLOSE, 0, 0);
    wait(0);
  }
  std::vector<std::string> menuBar(const Form& form) const {
    std::vector<std::string> captions;
    HMENU bar = hwnd(form) != nullptr ? GetMenu(hwnd(form)) : nullptr;
    if (bar == nullptr) return captions;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) captions.push_back(itemText(bar, i));
    return captions;
  }
  void chooseOnBar(Form& form, Menu& item) {
    HWND window = hwnd(form);
    const std::string property = "SlumbrixMenu." + item.displayName();
    const auto id = reinterpret_cast<ULONG_PTR>(GetPropA(window, property.c_str()));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }
  // Reads the open menu's items and chooses one with the arrow keys and Enter.
  std::vector<std::string> popup(Form& form, Menu& menu, const std::string& choice) {
    std::vector<std::string> shown;
    {
      UserThread user([&] {
        HWND open = findShownTopLevel("#32768", nullptr);
        if (open == nullptr) return;
        const auto items = reinterpret_cast<HMENU>(SendMessageA(open, MN_GETHMENU, 0, 0));
        int downs = 0;
        bool found = false;
        for (int i = 0; i < GetMenuItemCount(items); ++i) {
          const bool separator = (GetMenuState(items, i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
          shown.push_back(separator ? kSeparator : itemText(items, i));
          if (!separator && !found) ++downs;
          found = found || shown.back() == choice;
        }
        for (int i = 0; i < (found ? downs : 0); ++i) pressKey(open, VK_DOWN);
        pressKey(open, found ? VK_RETURN : VK_ESCAPE);
      });
      ws_.popupMenu(form, menu);
    }
    wait(0);
    return shown;
  }
  MessageBoxSeen messageBox(const std::string& text, std::uint32_t style,
                            const std::string& title) {
    MessageBoxSeen seen;
    {
      UserThread user([&] {
        HWND box = findShownTopLevel("#32770", title.c_str());
        if (box == nullptr) return;
        seen.title = title;
        char shownText[256] = {};
        GetWindowTextA(GetDlgItem(box, 0xFFFF), shownText, sizeof shownText);
        seen.text = shownText;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      });
      seen.answer = ws_.messageBox(text, style, title);
    }
    return seen;
  }
  // SetTimer is the one kind of timer from Windows 95 to XP.
  std::optional<bool> runsCoarse(const Timer&) const { return std::nullopt; }
  bool ended() const { return ws_.ended(); }

 private:
  HWND hwnd(const Form& form) const { return reinterpret_cast<HWND>(ws_.windowHandle(form)); }
  static std::string itemText(HMENU menu, int position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
  }
  void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;  // the end of the program under test
      if (!ws_.translateKey(&message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    ws_.releaseRetired();
  }

  Win32WindowSystem ws_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, WindowSystemContract, Win32Driver);

}  // namespace
}  // namespace slumbrix::test
