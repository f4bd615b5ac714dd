// The floors of the Windows program's idle cost: what any Win32 tray utility with a clock
// costs at rest, written the plain way. A window of the main window's size with a tray icon
// and a static control that a 500 ms timer fills with the time of day. With --watch, a 10 ms
// timer also compares a label's text with a field's text, as a threshold watch does; it never
// finds it below.
// With --wait CLASS TITLE it is the bench's stopwatch instead: it prints "ready", then ends as
// soon as a visible window of that class and title exists, so that the time from a program's
// start to its window is measured the same way for the program and the floor. A message box
// of that title on the way (the Windows 98 program's first CPU reading fails under Wine) is
// answered with OK, as a user would.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT_PTR kWatchTimer = 2;
constexpr UINT kTrayMessage = WM_APP + 1;
// The main window's inner size in pixels at 96 dots per inch.
constexpr int kClientWidth = 346;
constexpr int kClientHeight = 421;

HWND clock = nullptr;
HWND figure = nullptr;
HWND threshold = nullptr;

void showTime() {
  char text[32];
  if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "hh':'mm':'ss tt", text, sizeof text) > 0)
    SetWindowTextA(clock, text);
}

void watch(HWND window) {
  char usage[16];
  char limit[16];
  GetWindowTextA(figure, usage, sizeof usage);
  GetWindowTextA(threshold, limit, sizeof limit);
  if (usage[0] != '\0' && std::atoi(usage) < std::atoi(limit)) DestroyWindow(window);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kClockTimer) showTime();
      if (wParam == kWatchTimer) watch(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int waitForWindow(const char* className, const char* title) {
  std::printf("ready\n");
  std::fflush(stdout);
  for (int waited = 0; waited < 60000; ++waited) {
    HWND window = FindWindowA(className, title);
    if (window != nullptr && IsWindowVisible(window) != FALSE) return 0;
    if (HWND box = FindWindowA("#32770", title)) PostMessageA(box, WM_COMMAND, IDOK, 0);
    Sleep(1);
  }
  return 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int show) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (std::strncmp(commandLine, "--wait ", 7) == 0) {
    char* className = commandLine + 7;
    char* title = std::strchr(className, ' ');
    if (title == nullptr) return 2;
    *title++ = '\0';
    // A title with spaces arrives quoted.
    if (*title == '"') {
      ++title;
      if (char* end = std::strchr(title, '"')) *end = '\0';
    }
    return waitForWindow(className, title);
  }
  const bool watching = std::strcmp(commandLine, "--watch") == 0;
  const char* title = watching ? "Floor with watch" : "Floor";

  WNDCLASSA wc{};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BenchFloor";
  RegisterClassA(&wc);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&frame, style, FALSE);
  HWND window = CreateWindowExA(0, wc.lpszClassName, title, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
  clock = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 16, 16, 120, 20, window, nullptr,
                          instance, nullptr);
  figure = CreateWindowExA(0, "STATIC", "37", WS_CHILD | WS_VISIBLE, 16, 40, 40, 20, window,
                           nullptr, instance, nullptr);
  threshold = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "1", WS_CHILD | WS_VISIBLE, 16, 64, 40, 22,
                              window, nullptr, instance, nullptr);

  NOTIFYICONDATAA tray{};
  tray.cbSize = NOTIFYICONDATAA_V1_SIZE;
  tray.hWnd = window;
  tray.uID = 1;
  tray.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  tray.uCallbackMessage = kTrayMessage;
  tray.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  std::strcpy(tray.szTip, "Floor");
  Shell_NotifyIconA(NIM_ADD, &tray);

  showTime();
  SetTimer(window, kClockTimer, 500, nullptr);
  if (watching) SetTimer(window, kWatchTimer, 10, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  Shell_NotifyIconA(NIM_DELETE, &tray);
  return 0;
}
