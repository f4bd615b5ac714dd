// The runtime services of the Windows build: the present moment, the user's formats and the
// previous-instance test.
#include <windows.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace slumbrix {

namespace {

// One locale setting of the user's default locale; `fallback` when the system has none.
std::string localeInfo(LCTYPE type, const char* fallback) {
  char buffer[128] = {};
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  if (length <= 0) return fallback;
  return std::string(buffer);
}

}  // namespace

Win32Platform::Win32Platform(std::string instanceName) : instanceName_(std::move(instanceName)) {}

Win32Platform::~Win32Platform() {
  if (instanceMutex_ != 0) ::CloseHandle(win32::fromHandle<HANDLE>(instanceMutex_));
}

LocalTime Win32Platform::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

LocaleFormats Win32Platform::GetLocaleFormats() {
  const LocaleFormats us;
  LocaleFormats formats;
  formats.shortDate = localeInfo(LOCALE_SSHORTDATE, us.shortDate.c_str());
  formats.longTime = localeInfo(LOCALE_STIMEFORMAT, us.longTime.c_str());
  // An empty designator is a real setting (24-hour locales), so only a failed read falls
  // back to the US one.
  formats.am = localeInfo(LOCALE_S1159, us.am.c_str());
  formats.pm = localeInfo(LOCALE_S2359, us.pm.c_str());
  if (formats.shortDate.empty()) formats.shortDate = us.shortDate;
  if (formats.longTime.empty()) formats.longTime = us.longTime;
  return formats;
}

bool Win32Platform::PrevInstance() {
  if (instanceMutex_ != 0) return false;  // this process already holds the right to run
  HANDLE mutex = CreateMutexA(nullptr, FALSE, instanceName_.c_str());
  const DWORD error = GetLastError();
  if (mutex == nullptr) {
    // Access denied means another user's instance owns the name; anything else leaves the
    // question open, and the program then runs rather than refusing to start.
    return error == ERROR_ACCESS_DENIED;
  }
  if (error == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    return true;
  }
  instanceMutex_ = win32::toHandle(mutex);
  return false;
}

}  // namespace slumbrix
