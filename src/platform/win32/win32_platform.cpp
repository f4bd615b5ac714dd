#include "platform/win32/win32_platform.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <array>
#include <cstring>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/native_records.h"
#include "platform/windows_values.h"

namespace slumbrix {

using win32::fromHandle;
using win32::toHandle;

namespace {

constexpr std::size_t kVersionInfoSize = OsVersionInfoLayout::kSize;
constexpr std::size_t kLuidSize = TokenPrivilegesLayout::kLuidSize;

std::int32_t asResult(BOOL ok) {
  return ok != FALSE ? 1 : 0;
}

}  // namespace

std::uint32_t Win32Platform::GetVersion() {
  return ::GetVersion();
}

std::int32_t Win32Platform::GetVersionExA(std::uint8_t* versionInfo) {
  static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize);
  OSVERSIONINFOA info;
  std::memcpy(&info, versionInfo, sizeof info);
  if (::GetVersionExA(&info) == FALSE) return 0;
  std::memcpy(versionInfo, &info, sizeof info);
  return 1;
}

Handle Win32Platform::GetCurrentProcess() {
  return toHandle(::GetCurrentProcess());
}
Handle Win32Platform::GetCurrentThread() {
  return toHandle(::GetCurrentThread());
}

std::int32_t Win32Platform::SetPriorityClass(Handle process, std::uint32_t priorityClass) {
  return asResult(::SetPriorityClass(fromHandle<HANDLE>(process), priorityClass));
}

std::int32_t Win32Platform::SetThreadPriority(Handle thread, std::int32_t priority) {
  return asResult(::SetThreadPriority(fromHandle<HANDLE>(thread), priority));
}

std::int32_t Win32Platform::CloseHandle(Handle object) {
  return asResult(::CloseHandle(fromHandle<HANDLE>(object)));
}

std::int32_t Win32Platform::ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) {
  return asResult(::ExitWindowsEx(flags, reserved));
}

std::int32_t Win32Platform::LockWorkStation() {
  return win32::callLockWorkStation(
      win32::lateBound<win32::LockWorkStationFn>("user32.dll", "LockWorkStation"));
}

std::int32_t Win32Platform::SendMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                                         std::int32_t lParam) {
  return static_cast<std::int32_t>(
      ::SendMessageA(fromHandle<HWND>(window), message, wParam, lParam));
}

std::int32_t Win32Platform::SetForegroundWindow(Handle window) {
  return asResult(::SetForegroundWindow(fromHandle<HWND>(window)));
}

std::int32_t Win32Platform::SetSuspendState(std::uint32_t hibernate, std::uint32_t forceCritical,
                                            std::uint32_t disableWakeEvent) {
  return win32::callSetSuspendState(
      win32::lateBound<win32::SetSuspendStateFn>("powrprof.dll", "SetSuspendState"), hibernate,
      forceCritical, disableWakeEvent);
}

std::int32_t Win32Platform::OpenProcessToken(Handle process, std::uint32_t desiredAccess,
                                             Handle* token) {
  HANDLE opened = nullptr;
  if (::OpenProcessToken(fromHandle<HANDLE>(process), desiredAccess, &opened) == FALSE) return 0;
  *token = toHandle(opened);
  return 1;
}

std::int32_t Win32Platform::LookupPrivilegeValueA(const char* systemName, const char* name,
                                                  std::uint8_t* luid) {
  static_assert(sizeof(LUID) == kLuidSize);
  LUID value{};
  if (::LookupPrivilegeValueA(systemName, name, &value) == FALSE) return 0;
  std::memcpy(luid, &value, sizeof value);
  return 1;
}

std::int32_t Win32Platform::AdjustTokenPrivileges(Handle token, std::int32_t disableAllPrivileges,
                                                  const std::uint8_t* newState,
                                                  std::uint32_t bufferLength,
                                                  std::uint8_t* previousState,
                                                  std::uint32_t* returnLength) {
  // The records arrive as bytes; copy them into DWORD-aligned buffers for the call.
  std::vector<DWORD> in((bufferLength + sizeof(DWORD) - 1) / sizeof(DWORD) + 1, 0);
  std::memcpy(in.data(), newState, bufferLength);
  std::vector<DWORD> out(in.size(), 0);
  if (previousState != nullptr) std::memcpy(out.data(), previousState, bufferLength);
  DWORD length = 0;
  const BOOL ok = ::AdjustTokenPrivileges(
      fromHandle<HANDLE>(token), disableAllPrivileges != 0 ? TRUE : FALSE,
      reinterpret_cast<PTOKEN_PRIVILEGES>(in.data()), bufferLength,
      previousState != nullptr ? reinterpret_cast<PTOKEN_PRIVILEGES>(out.data()) : nullptr,
      returnLength != nullptr ? &length : nullptr);
  if (previousState != nullptr) std::memcpy(previousState, out.data(), bufferLength);
  if (returnLength != nullptr) *returnLength = length;
  return asResult(ok);
}

std::int32_t Win32Platform::RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                                          std::uint32_t samDesired, Handle* result) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExA(fromHandle<HKEY>(key), subKey, options, samDesired, &opened);
  if (status == ERROR_SUCCESS) *result = toHandle(opened);
  return status;
}

std::int32_t Win32Platform::RegQueryValueExA(Handle key, const char* valueName,
                                             std::uint32_t* reserved, std::uint32_t* type,
                                             std::uint8_t* data, std::uint32_t* dataSize) {
  // Read into a copy so that a failed read leaves the caller's buffer untouched.
  const DWORD capacity = dataSize != nullptr ? *dataSize : 0;
  std::vector<BYTE> buffer(capacity + 1, 0);
  DWORD size = capacity;
  DWORD valueType = 0;
  const LONG status = ::RegQueryValueExA(
      fromHandle<HKEY>(key), valueName, reinterpret_cast<LPDWORD>(reserved), &valueType,
      data != nullptr ? buffer.data() : nullptr, dataSize != nullptr ? &size : nullptr);
  if (status != ERROR_SUCCESS) return status;
  if (type != nullptr) *type = valueType;
  if (data != nullptr) std::memcpy(data, buffer.data(), size <= capacity ? size : capacity);
  if (dataSize != nullptr) *dataSize = size;
  return status;
}

std::int32_t Win32Platform::RegCloseKey(Handle key) {
  return ::RegCloseKey(fromHandle<HKEY>(key));
}

std::int32_t Win32Platform::NtQuerySystemInformation(std::uint32_t informationClass,
                                                     std::uint8_t* information,
                                                     std::uint32_t length,
                                                     std::uint32_t* returnLength) {
  return win32::querySystemInformation(
      win32::lateBound<win32::NtQuerySystemInformationFn>("ntdll.dll", "NtQuerySystemInformation"),
      informationClass, information, length, returnLength);
}

std::int32_t Win32Platform::Shell_NotifyIconA(std::uint32_t message, const std::uint8_t* data) {
  NOTIFYICONDATAA record = win32::toNativeNotifyIconData(data);
  return asResult(::Shell_NotifyIconA(message, &record));
}

Handle Win32Platform::ShellExecuteA(Handle owner, const char* operation, const char* file,
                                    const char* parameters, const char* directory,
                                    std::int32_t showCommand) {
  return toHandle(::ShellExecuteA(fromHandle<HWND>(owner), operation, file, parameters, directory,
                                  showCommand));
}

}  // namespace slumbrix
