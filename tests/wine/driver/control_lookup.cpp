#include "driver/control_lookup.h"

namespace slumbrix::wine {

namespace {

constexpr char kNameProperty[] = "SlumbrixName";
constexpr DWORD kTimeoutMs = 5000;

struct Search {
  const char* className;
  std::string wanted;
  HWND found = nullptr;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, search.className) != 0 || windowText(window) != search.wanted)
    return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK matchName(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (controlName(window) != search.wanted) return TRUE;
  search.found = window;
  return FALSE;
}

std::string narrow(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), size, nullptr, nullptr);
  result.resize(static_cast<std::size_t>(size - 1));
  return result;
}

LRESULT ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result) ==
      0)
    return -1;
  return static_cast<LRESULT>(result);
}

}  // namespace

HWND findTopLevel(const char* className, const std::string& title) {
  Search search{className, title};
  EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findControl(HWND top, const std::string& name) {
  Search search{nullptr, name};
  EnumChildWindows(top, matchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string controlName(HWND window) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window, kNameProperty)));
  if (atom == 0) return {};
  char name[128] = {};
  GlobalGetAtomNameA(atom, name, sizeof name);
  return name;
}

std::string windowText(HWND window) {
  wchar_t text[512] = {};
  const LRESULT length = ask(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  if (length < 0) return {};
  return narrow(text);
}

std::vector<std::string> comboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = ask(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) break;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    items.push_back(narrow(text.c_str()));
  }
  return items;
}

int comboSelection(HWND combo) {
  return static_cast<int>(ask(combo, CB_GETCURSEL, 0, 0));
}

}  // namespace slumbrix::wine
