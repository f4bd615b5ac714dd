#pragma once

#include <string>

#include "platform/platform.h"

namespace slumbrix {

// The Platform of the Windows build: each call is the Windows function of the same name,
// with the core's records passed through, or translated where the native structure of this
// build differs (native_records.h). LockWorkStation, SetSuspendState and
// NtQuerySystemInformation are looked up at the moment of the call, so the program also runs
// on the Windows versions that lack them; there the call fails as Platform states.
class Win32Platform : public Platform {
 public:
  // instanceName names the mutex that tells a running instance from a second start.
  explicit Win32Platform(std::string instanceName = "Slumbrix.Instance");
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  std::uint32_t GetVersion() override;
  std::int32_t GetVersionExA(std::uint8_t* versionInfo) override;
  Handle GetCurrentProcess() override;
  Handle GetCurrentThread() override;
  std::int32_t SetPriorityClass(Handle process, std::uint32_t priorityClass) override;
  std::int32_t SetThreadPriority(Handle thread, std::int32_t priority) override;
  std::int32_t CloseHandle(Handle object) override;

  std::int32_t ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override;
  std::int32_t LockWorkStation() override;
  std::int32_t SendMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                            std::int32_t lParam) override;
  std::int32_t SetForegroundWindow(Handle window) override;

  std::int32_t SetSuspendState(std::uint32_t hibernate, std::uint32_t forceCritical,
                               std::uint32_t disableWakeEvent) override;

  std::int32_t OpenProcessToken(Handle process, std::uint32_t desiredAccess,
                                Handle* token) override;
  std::int32_t LookupPrivilegeValueA(const char* systemName, const char* name,
                                     std::uint8_t* luid) override;
  std::int32_t AdjustTokenPrivileges(Handle token, std::int32_t disableAllPrivileges,
                                     const std::uint8_t* newState, std::uint32_t bufferLength,
                                     std::uint8_t* previousState,
                                     std::uint32_t* returnLength) override;
  std::int32_t RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                             std::uint32_t samDesired, Handle* result) override;
  std::int32_t RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                                std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* dataSize) override;
  std::int32_t RegCloseKey(Handle key) override;

  std::int32_t NtQuerySystemInformation(std::uint32_t informationClass, std::uint8_t* information,
                                        std::uint32_t length, std::uint32_t* returnLength) override;

  std::int32_t Shell_NotifyIconA(std::uint32_t message, const std::uint8_t* data) override;
  Handle ShellExecuteA(Handle owner, const char* operation, const char* file,
                       const char* parameters, const char* directory,
                       std::int32_t showCommand) override;

  LocalTime Now() override;
  UtcTime NowUtc() override;
  bool LocalFromUtc(std::int64_t utcSeconds, LocalTime& local) override;
  LocaleFormats GetLocaleFormats() override;
  bool PrevInstance() override;

 private:
  std::string instanceName_;
  Handle instanceMutex_ = 0;  // held until the process ends once PrevInstance said false
};

}  // namespace slumbrix
