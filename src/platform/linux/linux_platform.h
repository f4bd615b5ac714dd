#pragma once

#include <cstdint>
#include <optional>

#include "platform/linux/instance_lock.h"
#include "platform/linux/proc_stat.h"
#include "platform/linux/tray_icons.h"
#include "platform/platform.h"

namespace slumbrix {

class NativeWindows;

// The Windows calls of the program, answered on Linux: the system actions through logind and
// the screen saver over D-Bus, the processor counters from /proc/stat, the tray through Qt,
// the single-instance rule through a lock file. The system presents itself as Windows XP (NT
// 5.1), so that every action is offered; the registry does not exist; privilege steps succeed
// without effect, as polkit decides on the logind side. Needs a QApplication.
class LinuxPlatform : public Platform {
 public:
  LinuxPlatform();
  ~LinuxPlatform() override;

  // The front end's windows and icons, for the tray, SetForegroundWindow and SendMessageA.
  void setNativeWindows(const NativeWindows* windows);
  // Where the tray icons' mouse messages go (see TrayIcons).
  void setTrayCallback(TrayIcons::Callback callback);
  TrayIcons& trayIcons() { return tray_; }

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
  const NativeWindows* windows_ = nullptr;
  TrayIcons tray_;
  InstanceLock lock_;
  std::optional<bool> prevInstance_;
  int processNice_ = 0;
  std::optional<LocaleFormats> localeFormats_;
  ProcStatReader procStat_;
  // The counters read for the processor count or the system time, kept for the queries of
  // the same sample that follow, so that all come from one reading.
  std::optional<ProcStat> pendingStat_;
};

}  // namespace slumbrix
