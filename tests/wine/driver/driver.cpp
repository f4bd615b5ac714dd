// The test driver: a small Windows console program that finds a window of the program by its
// title and reads and operates its controls through window messages only, as a user's
// actions would arrive. Each command prints what it read and exits 0, or names the failure
// on stderr and exits 1.
//
//   driver wait-window TITLE [ms]        the form window appears
//   driver gone TITLE [ms]               no form window with that title is left
//   driver text TITLE NAME               the control's text
//   driver wait-text TITLE NAME TEXT [ms]  until the text matches TEXT, where * stands for
//                                        any characters ("*" alone: any but empty)
//   driver items TITLE NAME              a list's items, one a line, then "= chosen"
//   driver state TITLE [NAME]            "enabled visible checked" as 0/1 (NAME "-": the form)
//   driver rect TITLE                    the form window's "left top width height" on the
//                                        screen, frame and caption included
//   driver wait-state TITLE NAME STATE [ms]  until state prints STATE
//   driver choose TITLE NAME ITEM        the user picks ITEM from a list
//   driver type TITLE NAME TEXT          the user selects all and types TEXT
//   driver click TITLE NAME              the user clicks a button
//   driver scroll TITLE NAME up|down     the user clicks an arrow of a scroll bar
//   driver menu TITLE NAME               the user chooses the menu item the program names NAME
//   driver tray TITLE MESSAGE            the shell reports MESSAGE for the tray icon
//   driver taskbar-created               the shell has made a new notification area: every
//                                        top-level window hears "TaskbarCreated"; returns
//                                        once they have handled it
//   driver close TITLE                   the user clicks the close box
//   driver repaint TITLE COUNT MS        the form and its controls need repainting, COUNT times
//                                        every MS milliseconds
//   driver msgbox TITLE [ms]             prints a message box's text and presses OK
//   driver no-msgbox TITLE               no message box with that title is open
//   driver popup [ms]                    a pop-up menu is open: prints its owner, closes it
//   driver clipboard TEXT                the clipboard holds TEXT, as text a program pastes
//   driver keys TITLE NAME KEY...        the user clicks the field, presses End, then each KEY
//                                        ("4", "ctrl+v") and Home on the keyboard; returns once
//                                        the caret is home, so every key has been handled
//   driver press TITLE KEY...            the window comes to the front and the user presses
//                                        each KEY on the keyboard alone: a character, "tab",
//                                        "enter", "escape", "up", "down", "left", "right",
//                                        "alt" (pressed and let go alone), "f10", each with
//                                        "shift+" or "ctrl+" as wanted
//   driver wait-focus TITLE NAME [ms]    until the control NAME has the keyboard's focus and
//                                        shows it (its focus rectangle is not hidden)
//   driver wait-menu TITLE on|off [ms]   until the window is (or is no longer) in its menu
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/control_lookup.h"

using namespace slumbrix::wine;

namespace {

constexpr char kFormClass[] = "SlumbrixForm";
constexpr DWORD kDefaultWaitMs = 10000;
constexpr DWORD kPollMs = 50;

[[noreturn]] void fail(const std::string& message) {
  std::fprintf(stderr, "driver: %s\n", message.c_str());
  std::exit(1);
}

bool waitFor(DWORD timeoutMs, const std::function<bool()>& condition) {
  for (DWORD waited = 0;; waited += kPollMs) {
    if (condition()) return true;
    if (waited >= timeoutMs) return false;
    Sleep(kPollMs);
  }
}

DWORD timeoutArg(const std::vector<std::string>& args, std::size_t at) {
  return args.size() > at ? static_cast<DWORD>(std::strtoul(args[at].c_str(), nullptr, 10))
                          : kDefaultWaitMs;
}

HWND form(const std::string& title) {
  HWND window = findTopLevel(kFormClass, title);
  if (window == nullptr) fail("no window \"" + title + "\"");
  return window;
}

HWND control(const std::string& title, const std::string& name) {
  HWND window = findControl(form(title), name);
  if (window == nullptr) fail("no control " + name + " in \"" + title + "\"");
  return window;
}

// "enabled visible checked" of a control, or of the form for the name "-".
std::string state(const std::string& title, const std::string& name) {
  HWND window = name == "-" ? form(title) : control(title, name);
  const bool checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  return std::string(IsWindowEnabled(window) ? "1" : "0") +
         (IsWindowVisible(window) ? " 1" : " 0") + (checked ? " 1" : " 0");
}

void notifyParent(HWND child, WORD code) {
  PostMessageA(GetParent(child), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), code),
               reinterpret_cast<LPARAM>(child));
}

// Whether `text` matches `pattern`, in which each * stands for any run of characters.
bool matches(const char* pattern, const char* text) {
  if (*pattern == '\0') return *text == '\0';
  if (*pattern == '*')
    return matches(pattern + 1, text) || (*text != '\0' && matches(pattern, text + 1));
  return *pattern == *text && matches(pattern + 1, text + 1);
}

using Args = std::vector<std::string>;

bool waitCommand(const Args& a) {
  const std::string& command = a.at(0);
  if (command == "wait-window") {
    if (!waitFor(timeoutArg(a, 2), [&] { return findTopLevel(kFormClass, a.at(1)) != nullptr; }))
      fail("window \"" + a.at(1) + "\" did not appear");
  } else if (command == "gone") {
    if (!waitFor(timeoutArg(a, 2), [&] { return findTopLevel(kFormClass, a.at(1)) == nullptr; }))
      fail("window \"" + a.at(1) + "\" is still there");
  } else if (command == "wait-text") {
    std::string last;
    const bool seen = waitFor(timeoutArg(a, 4), [&] {
      last = windowText(control(a.at(1), a.at(2)));
      return a.at(3) == "*" ? !last.empty() : matches(a.at(3).c_str(), last.c_str());
    });
    if (!seen) fail(a.at(2) + " shows \"" + last + "\", not \"" + a.at(3) + "\"");
    std::printf("%s\n", last.c_str());
  } else if (command == "wait-state") {
    std::string last;
    if (!waitFor(timeoutArg(a, 4), [&] { return (last = state(a.at(1), a.at(2))) == a.at(3); }))
      fail(a.at(2) + " is \"" + last + "\", not \"" + a.at(3) + "\"");
  } else {
    return false;
  }
  return true;
}

bool readCommand(const Args& a) {
  const std::string& command = a.at(0);
  if (command == "text") {
    std::printf("%s\n", windowText(control(a.at(1), a.at(2))).c_str());
  } else if (command == "items") {
    HWND combo = control(a.at(1), a.at(2));
    const std::vector<std::string> items = comboItems(combo);
    for (const std::string& item : items) std::printf("%s\n", item.c_str());
    const int chosen = comboSelection(combo);
    const bool valid = chosen >= 0 && chosen < static_cast<int>(items.size());
    std::printf("= %s\n", valid ? items[static_cast<std::size_t>(chosen)].c_str() : "");
  } else if (command == "state") {
    std::printf("%s\n", state(a.at(1), a.size() > 2 ? a.at(2) : "-").c_str());
  } else if (command == "rect") {
    RECT r{};
    if (GetWindowRect(form(a.at(1)), &r) == FALSE) fail("no rectangle of \"" + a.at(1) + "\"");
    std::printf("%ld %ld %ld %ld\n", static_cast<long>(r.left), static_cast<long>(r.top),
                static_cast<long>(r.right - r.left), static_cast<long>(r.bottom - r.top));
  } else {
    return false;
  }
  return true;
}

bool actCommand(const Args& a) {
  const std::string& command = a.at(0);
  if (command == "choose") {
    HWND combo = control(a.at(1), a.at(2));
    const std::vector<std::string> items = comboItems(combo);
    std::size_t index = 0;
    while (index < items.size() && items[index] != a.at(3)) ++index;
    if (index == items.size()) fail("no item \"" + a.at(3) + "\" in " + a.at(2));
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    notifyParent(combo, CBN_SELCHANGE);
  } else if (command == "type") {
    HWND edit = control(a.at(1), a.at(2));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (unsigned char c : a.at(3)) SendMessageA(edit, WM_CHAR, c, 1);
  } else if (command == "click") {
    PostMessageA(control(a.at(1), a.at(2)), BM_CLICK, 0, 0);
  } else if (command == "scroll") {
    HWND bar = control(a.at(1), a.at(2));
    const WPARAM code = a.at(3) == "up" ? SB_LINEUP : SB_LINEDOWN;
    SendMessageA(GetParent(bar), WM_VSCROLL, code, reinterpret_cast<LPARAM>(bar));
  } else if (command == "menu") {
    // Menus cannot be read from another process under Wine; the form window carries the
    // command of each item under the item's name.
    HWND window = form(a.at(1));
    const auto id =
        reinterpret_cast<ULONG_PTR>(GetPropA(window, ("SlumbrixMenu." + a.at(2)).c_str()));
    if (id == 0) fail("no menu item " + a.at(2));
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  } else if (command == "tray") {
    // What the shell sends for the icon: the callback message with the mouse message as lParam.
    PostMessageA(form(a.at(1)), WM_MOUSEMOVE, 1, std::strtol(a.at(2).c_str(), nullptr, 10));
  } else if (command == "taskbar-created") {
    // What Explorer sends every top-level window when it has started again.
    const UINT message = RegisterWindowMessageA("TaskbarCreated");
    if (message == 0) fail("TaskbarCreated cannot be registered");
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  } else if (command == "close") {
    PostMessageA(form(a.at(1)), WM_CLOSE, 0, 0);
  } else if (command == "repaint") {
    // The whole form and its controls invalidated COUNT times, every INTERVAL ms, as when
    // windows are dragged over it.
    const long count = std::strtol(a.at(2).c_str(), nullptr, 10);
    const auto interval = static_cast<DWORD>(std::strtoul(a.at(3).c_str(), nullptr, 10));
    for (long i = 0; i < count; ++i) {
      RedrawWindow(form(a.at(1)), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      Sleep(interval);
    }
  } else {
    return false;
  }
  return true;
}

bool dialogCommand(const Args& a) {
  const std::string& command = a.at(0);
  if (command == "msgbox") {
    // The box is found as soon as it exists; it is read once it shows, with its text set.
    HWND box = nullptr;
    std::string text;
    if (!waitFor(timeoutArg(a, 2), [&] {
          box = findTopLevel("#32770", a.at(1));
          if (box == nullptr || IsWindowVisible(box) == FALSE) return false;
          HWND textWindow = GetDlgItem(box, 0xFFFF);
          text = textWindow != nullptr ? windowText(textWindow) : "";
          return !text.empty();
        }))
      fail("no message box \"" + a.at(1) + "\" with a text");
    std::printf("%s\n", text.c_str());
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  } else if (command == "no-msgbox") {
    HWND box = findTopLevel("#32770", a.at(1));
    if (box != nullptr) fail("a message box says \"" + windowText(GetDlgItem(box, 0xFFFF)) + "\"");
  } else if (command == "popup") {
    HWND menu = nullptr;
    if (!waitFor(timeoutArg(a, 1), [&] {
          menu = findTopLevel("#32768", "");
          return menu != nullptr && IsWindowVisible(menu);
        }))
      fail("no pop-up menu");
    std::printf("pop-up menu open\n");
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
  } else {
    return false;
  }
  return true;
}

void setClipboard(const std::string& text) {
  // SetClipboardData needs an owner window; the data outlives the driver.
  HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (owner == nullptr || memory == nullptr) fail("no window or memory for the clipboard");
  lstrcpyA(static_cast<char*>(GlobalLock(memory)), text.c_str());
  GlobalUnlock(memory);
  if (OpenClipboard(owner) == FALSE) fail("cannot open the clipboard");
  EmptyClipboard();
  const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  DestroyWindow(owner);
  if (!set) fail("SetClipboardData failed");
}

// The caret of an edit control as "start end"; "" when the control does not answer.
std::string selection(HWND edit) {
  DWORD_PTR range = 0;
  if (SendMessageTimeoutA(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kDefaultWaitMs, &range) == 0)
    return {};
  return std::to_string(LOWORD(range)) + " " + std::to_string(HIWORD(range));
}

void awaitCaret(HWND edit, int at, const char* after) {
  const std::string want = std::to_string(at) + " " + std::to_string(at);
  std::string last;
  if (!waitFor(kDefaultWaitMs, [&] { return (last = selection(edit)) == want; }))
    fail(std::string("the caret is at \"") + last + "\" after " + after + ", not " + want);
}

// The virtual key of a key's name.
BYTE virtualKey(const std::string& name) {
  static const std::pair<const char*, BYTE> kNamed[] = {
      {"home", VK_HOME},     {"end", VK_END},       {"tab", VK_TAB},   {"enter", VK_RETURN},
      {"escape", VK_ESCAPE}, {"up", VK_UP},         {"down", VK_DOWN}, {"left", VK_LEFT},
      {"right", VK_RIGHT},   {"alt", VK_MENU},      {"f10", VK_F10},   {"space", VK_SPACE},
      {"pageup", VK_PRIOR},  {"pagedown", VK_NEXT},
  };
  for (const auto& [named, code] : kNamed)
    if (name == named) return code;
  if (name.size() == 1) return LOBYTE(VkKeyScanA(name[0]));
  fail("no key " + name);
}

// A key pressed and let go on the keyboard, with Shift or Control held down for "shift+" and
// "ctrl+".
void press(const std::string& key) {
  std::string rest = key;
  std::vector<BYTE> held;
  for (const auto& [prefix, code] :
       {std::pair<std::string, BYTE>{"shift+", VK_SHIFT}, {"ctrl+", VK_CONTROL}}) {
    if (rest.rfind(prefix, 0) == 0) {
      held.push_back(code);
      rest = rest.substr(prefix.size());
    }
  }
  const BYTE vk = virtualKey(rest);
  const auto stroke = [](BYTE code, DWORD flags) {
    keybd_event(code, static_cast<BYTE>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC)), flags, 0);
  };
  for (BYTE code : held) stroke(code, 0);
  stroke(vk, 0);
  stroke(vk, KEYEVENTF_KEYUP);
  for (auto it = held.rbegin(); it != held.rend(); ++it) stroke(*it, KEYEVENTF_KEYUP);
}

// What the thread of a window knows of its keyboard: focus and menu mode.
GUITHREADINFO threadInfo(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

// The window is in front and has handled its activation, which gives the focus back to the
// control that had it, before a click or a key: on a loaded machine the activation could
// otherwise come after them.
void bringToFront(HWND window) {
  SetForegroundWindow(window);
  if (!waitFor(kDefaultWaitMs, [&] { return GetForegroundWindow() == window; }))
    fail("the window did not come to the front");
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kDefaultWaitMs, &ignored);
}

// Focuses the field with a click of the mouse, as the user would, and waits for the focus.
// A click that lands while the form is still becoming the foreground window can be lost on a
// loaded machine, so the click is made again (a second click into a field only moves its caret).
void clickInto(HWND form, HWND field, const std::string& name) {
  bringToFront(form);
  RECT box{};
  GetWindowRect(field, &box);
  const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  if (WindowFromPoint(centre) != field) fail("something covers " + name);
  GUITHREADINFO info{};
  const auto focused = [&] {
    info = threadInfo(field);
    return info.hwndFocus == field && GetForegroundWindow() == form;
  };
  constexpr int kClicks = 4;
  for (int click = 0; click < kClicks; ++click) {
    if (click > 0) SetForegroundWindow(form);
    SetCursorPos(centre.x, centre.y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    if (waitFor(kDefaultWaitMs / kClicks, focused)) return;
  }
  fail(name + " did not take the focus from a click: it is on \"" + controlName(info.hwndFocus) +
       "\"" + (GetForegroundWindow() == form ? "" : ", in a window behind another") +
       ((info.flags & GUI_INMENUMODE) != 0 ? ", in menu mode" : "") +
       (info.hwndCapture != nullptr
            ? ", the mouse captured by \"" + controlName(info.hwndCapture) + "\""
            : ""));
}

bool keyboardCommand(const Args& a) {
  const std::string& command = a.at(0);
  if (command == "clipboard") {
    setClipboard(a.at(1));
  } else if (command == "keys") {
    HWND window = form(a.at(1));
    HWND field = control(a.at(1), a.at(2));
    clickInto(window, field, a.at(2));
    press("end");
    awaitCaret(field, static_cast<int>(windowText(field).size()), "End");
    for (std::size_t i = 3; i < a.size(); ++i) press(a[i]);
    press("home");
    awaitCaret(field, 0, "the keys and Home");
  } else if (command == "press") {
    bringToFront(form(a.at(1)));
    for (std::size_t i = 2; i < a.size(); ++i) press(a[i]);
  } else if (command == "wait-focus") {
    HWND window = form(a.at(1));
    std::string last;
    bool shown = false;
    if (!waitFor(timeoutArg(a, 3), [&] {
          HWND focus = threadInfo(window).hwndFocus;
          last = controlName(focus);
          DWORD_PTR cues = 0;
          shown = SendMessageTimeoutA(focus, WM_QUERYUISTATE, 0, 0, SMTO_ABORTIFHUNG,
                                      kDefaultWaitMs, &cues) != 0 &&
                  (cues & UISF_HIDEFOCUS) == 0;
          return last == a.at(2) && shown;
        }))
      fail("the focus is on \"" + last + "\"" + (shown ? "" : ", hidden,") + " not on " + a.at(2));
  } else if (command == "wait-menu") {
    HWND window = form(a.at(1));
    const bool on = a.at(2) == "on";
    if (!waitFor(timeoutArg(a, 3),
                 [&] { return ((threadInfo(window).flags & GUI_INMENUMODE) != 0) == on; }))
      fail(std::string("the window is ") + (on ? "not" : "still") + " in its menu");
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) fail("no command");
  try {
    if (!waitCommand(args) && !readCommand(args) && !actCommand(args) && !dialogCommand(args) &&
        !keyboardCommand(args))
      fail("unknown command " + args[0]);
    return 0;
  } catch (const std::out_of_range&) {
    fail("missing argument for " + args[0]);
  }
}
