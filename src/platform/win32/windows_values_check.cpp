// The program's own names for the Windows values, checked against windows.h at compile time:
// a value the program states wrongly stops the Windows build. The record layouts are the
// 32-bit ones the core builds; they are checked where the native structures are 32-bit too.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstddef>
#include <string_view>

#include "platform/windows_values.h"

namespace slumbrix {
namespace {

constexpr bool kNative32 = sizeof(void*) == 4;

static_assert(kNimAdd == NIM_ADD && kNimModify == NIM_MODIFY && kNimDelete == NIM_DELETE);
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP);
static_assert(!kNative32 || NOTIFYICONDATAA_V1_SIZE == NotifyIconDataLayout::kSize);
static_assert(!kNative32 || offsetof(NOTIFYICONDATAA, hWnd) == NotifyIconDataLayout::kHWnd);
static_assert(!kNative32 || offsetof(NOTIFYICONDATAA, uID) == NotifyIconDataLayout::kUID);
static_assert(!kNative32 || offsetof(NOTIFYICONDATAA, uFlags) == NotifyIconDataLayout::kUFlags);
static_assert(!kNative32 || offsetof(NOTIFYICONDATAA, uCallbackMessage) ==
                                NotifyIconDataLayout::kUCallbackMessage);
static_assert(!kNative32 || offsetof(NOTIFYICONDATAA, hIcon) == NotifyIconDataLayout::kHIcon);
static_assert(!kNative32 || offsetof(NOTIFYICONDATAA, szTip) == NotifyIconDataLayout::kSzTip);
static_assert(sizeof(NOTIFYICONDATAA::szTip) >= NotifyIconDataLayout::kTipLength);

static_assert(kWmMouseMove == WM_MOUSEMOVE && kWmLButtonDblClk == WM_LBUTTONDBLCLK);
static_assert(kWmRButtonUp == WM_RBUTTONUP && kWmMButtonUp == WM_MBUTTONUP);
static_assert(kWmSysCommand == WM_SYSCOMMAND && kScScreenSave == SC_SCREENSAVE);

static_assert(kMbOk == MB_OK && kMbIconMask == MB_ICONMASK);
static_assert(kMbIconHand == MB_ICONHAND && kMbIconQuestion == MB_ICONQUESTION);
static_assert(kMbIconExclamation == MB_ICONEXCLAMATION);
static_assert(kMbIconInformation == MB_ICONINFORMATION);
static_assert(kIdOk == IDOK);

static_assert(kSwShowNormal == SW_SHOWNORMAL);
static_assert(kSeErrFileNotFound == SE_ERR_FNF && kSeErrNoAssociation == SE_ERR_NOASSOC);

static_assert(kEwxLogOff == EWX_LOGOFF && kEwxShutdown == EWX_SHUTDOWN);
static_assert(kEwxReboot == EWX_REBOOT && kEwxForce == EWX_FORCE && kEwxPowerOff == EWX_POWEROFF);

static_assert(kTokenAdjustPrivileges == TOKEN_ADJUST_PRIVILEGES && kTokenQuery == TOKEN_QUERY);
static_assert(kSePrivilegeEnabled == SE_PRIVILEGE_ENABLED);
static_assert(std::string_view(kSeShutdownName) == SE_SHUTDOWN_NAME);
static_assert(sizeof(TOKEN_PRIVILEGES) == TokenPrivilegesLayout::kSize);
static_assert(offsetof(TOKEN_PRIVILEGES, Privileges) == TokenPrivilegesLayout::kLuid);
static_assert(offsetof(TOKEN_PRIVILEGES, Privileges) + offsetof(LUID_AND_ATTRIBUTES, Attributes) ==
              TokenPrivilegesLayout::kAttributes);
static_assert(sizeof(LUID) == TokenPrivilegesLayout::kLuidSize);

static_assert(kIdlePriorityClass == IDLE_PRIORITY_CLASS);
static_assert(kBelowNormalPriorityClass == BELOW_NORMAL_PRIORITY_CLASS);
static_assert(kNormalPriorityClass == NORMAL_PRIORITY_CLASS);
static_assert(kAboveNormalPriorityClass == ABOVE_NORMAL_PRIORITY_CLASS);
static_assert(kHighPriorityClass == HIGH_PRIORITY_CLASS);
static_assert(kRealtimePriorityClass == REALTIME_PRIORITY_CLASS);
static_assert(kThreadPriorityIdle == THREAD_PRIORITY_IDLE);
static_assert(kThreadPriorityLowest == THREAD_PRIORITY_LOWEST);
static_assert(kThreadPriorityHighest == THREAD_PRIORITY_HIGHEST);
static_assert(kThreadPriorityTimeCritical == THREAD_PRIORITY_TIME_CRITICAL);

static_assert(kVerPlatformWin32s == VER_PLATFORM_WIN32s);
static_assert(kVerPlatformWin32Windows == VER_PLATFORM_WIN32_WINDOWS);
static_assert(kVerPlatformWin32Nt == VER_PLATFORM_WIN32_NT);
static_assert(sizeof(OSVERSIONINFOA) == OsVersionInfoLayout::kSize);
static_assert(offsetof(OSVERSIONINFOA, dwMajorVersion) == OsVersionInfoLayout::kMajorVersion);
static_assert(offsetof(OSVERSIONINFOA, dwMinorVersion) == OsVersionInfoLayout::kMinorVersion);
static_assert(offsetof(OSVERSIONINFOA, dwBuildNumber) == OsVersionInfoLayout::kBuildNumber);
static_assert(offsetof(OSVERSIONINFOA, dwPlatformId) == OsVersionInfoLayout::kPlatformId);
static_assert(offsetof(OSVERSIONINFOA, szCSDVersion) == OsVersionInfoLayout::kCSDVersion);

// HKEY_DYN_DATA is a handle, which a constant expression cannot compare; its number is the
// documented 0x80000006.
static_assert(kKeyAllAccess == KEY_ALL_ACCESS && kKeyRead == KEY_READ);
static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kErrorInvalidHandle == ERROR_INVALID_HANDLE);

}  // namespace
}  // namespace slumbrix
