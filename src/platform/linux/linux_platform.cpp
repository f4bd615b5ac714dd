#include "platform/linux/linux_platform.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <strings.h>
#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <clocale>
#include <ctime>
#include <span>

#include "platform/byte_record.h"
#include "platform/linux/locale_formats.h"
#include "platform/linux/native_windows.h"
#include "platform/linux/session_actions.h"
#include "platform/windows_values.h"

namespace slumbrix {
namespace {

// Windows XP: version 5.1, build 2600, the NT platform.
constexpr std::uint32_t kVersionWord = 0x0A280105;
constexpr std::uint32_t kXpMajor = 5;
constexpr std::uint32_t kXpMinor = 1;
constexpr std::uint32_t kXpBuild = 2600;

// Any result above 32 tells success.
constexpr Handle kShellExecuteDone = 42;

// The nice value that stands for a Windows priority class; nothing for an unknown class.
std::optional<int> niceOfClass(std::uint32_t priorityClass) {
  switch (priorityClass) {
    case kIdlePriorityClass:
      return 19;
    case kBelowNormalPriorityClass:
      return 5;
    case kNormalPriorityClass:
      return 0;
    case kAboveNormalPriorityClass:
      return -5;
    case kHighPriorityClass:
      return -10;
    case kRealtimePriorityClass:
      return -15;
    default:
      return std::nullopt;
  }
}

// setpriority with "process" 0 sets the calling thread; the program calls from its one
// user-interface thread, the main thread.
std::int32_t renice(int who, int nice) {
  return setpriority(PRIO_PROCESS, static_cast<id_t>(who), nice) == 0 ? 1 : 0;
}

void setUpLocaleOnce() {
  static const bool done = [] {
    std::setlocale(LC_ALL, "");
    // Numbers that the program writes and reads keep the C form whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    return true;
  }();
  (void)done;
}

}  // namespace

LinuxPlatform::LinuxPlatform() : lock_("slumbrix.lock") {
  setUpLocaleOnce();
}

LinuxPlatform::~LinuxPlatform() = default;

void LinuxPlatform::setNativeWindows(const NativeWindows* windows) {
  windows_ = windows;
  tray_.setNativeWindows(windows);
}

void LinuxPlatform::setTrayCallback(TrayIcons::Callback callback) {
  tray_.setCallback(std::move(callback));
}

std::uint32_t LinuxPlatform::GetVersion() {
  return kVersionWord;
}

std::int32_t LinuxPlatform::GetVersionExA(std::uint8_t* info) {
  using L = OsVersionInfoLayout;
  if (info == nullptr) return 0;
  // Only the size field may be read before the size is known to be right.
  if (record::readU32({info, 4}, L::kOSVersionInfoSize) != L::kSize) return 0;
  const std::span<std::uint8_t> bytes(info, L::kSize);
  std::fill(bytes.begin() + 4, bytes.end(), std::uint8_t{0});
  record::writeU32(bytes, L::kMajorVersion, kXpMajor);
  record::writeU32(bytes, L::kMinorVersion, kXpMinor);
  record::writeU32(bytes, L::kBuildNumber, kXpBuild);
  record::writeI32(bytes, L::kPlatformId, kVerPlatformWin32Nt);
  return 1;
}

Handle LinuxPlatform::GetCurrentProcess() {
  return kCurrentProcess;
}
Handle LinuxPlatform::GetCurrentThread() {
  return kCurrentThread;
}

std::int32_t LinuxPlatform::SetPriorityClass(Handle process, std::uint32_t priorityClass) {
  const std::optional<int> nice = niceOfClass(priorityClass);
  if (process != kCurrentProcess || !nice) return 0;
  processNice_ = *nice;
  return renice(0, *nice);
}

std::int32_t LinuxPlatform::SetThreadPriority(Handle thread, std::int32_t priority) {
  if (thread != kCurrentThread) return 0;
  int nice = processNice_;
  if (priority >= kThreadPriorityTimeCritical) {
    nice = -20;
  } else if (priority <= kThreadPriorityIdle) {
    nice = 19;
  } else if (priority >= kThreadPriorityLowest && priority <= kThreadPriorityHighest) {
    nice = std::max(-20, std::min(19, processNice_ - 2 * priority));
  } else {
    return 0;
  }
  return renice(static_cast<int>(gettid()), nice);
}

std::int32_t LinuxPlatform::CloseHandle(Handle object) {
  return object != 0 ? 1 : 0;
}

std::int32_t LinuxPlatform::ExitWindowsEx(std::uint32_t flags, std::uint32_t) {
  bool done = false;
  if ((flags & kEwxReboot) != 0) {
    done = logindReboot();
  } else if ((flags & (kEwxShutdown | kEwxPowerOff)) != 0) {
    done = logindPowerOff();
  } else {
    done = logindTerminateSession();
  }
  return done ? 1 : 0;
}

std::int32_t LinuxPlatform::LockWorkStation() {
  return logindLockSession() ? 1 : 0;
}

std::int32_t LinuxPlatform::SendMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                                         std::int32_t) {
  if (windows_ != nullptr && windows_->nativeWindow(window) == nullptr) return 0;
  if (message == kWmSysCommand && (wParam & kScCommandMask) == kScScreenSave)
    return screenSaverActivate() ? 1 : 0;
  return 0;
}

std::int32_t LinuxPlatform::SetForegroundWindow(Handle window) {
  QWidget* widget = windows_ == nullptr ? nullptr : windows_->nativeWindow(window);
  if (widget == nullptr) return 0;
  if (widget->isVisible()) {
    widget->raise();
    widget->activateWindow();
  }
  return 1;
}

std::int32_t LinuxPlatform::SetSuspendState(std::uint32_t hibernate, std::uint32_t, std::uint32_t) {
  return (hibernate != 0 ? logindHibernate() : logindSuspend()) ? 1 : 0;
}

std::int32_t LinuxPlatform::Shell_NotifyIconA(std::uint32_t message, const std::uint8_t* data) {
  return tray_.notify(message, data);
}

Handle LinuxPlatform::ShellExecuteA(Handle, const char* operation, const char* file, const char*,
                                    const char*, std::int32_t) {
  if (operation != nullptr && *operation != '\0' && strcasecmp(operation, "open") != 0)
    return kSeErrNoAssociation;
  if (file == nullptr || *file == '\0') return kSeErrFileNotFound;
  const QUrl url = QUrl::fromUserInput(QString::fromLatin1(file));
  if (!url.isValid()) return kSeErrFileNotFound;
  return QDesktopServices::openUrl(url) ? kShellExecuteDone : kSeErrNoAssociation;
}

LocalTime LinuxPlatform::Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm local{};
  localtime_r(&now.tv_sec, &local);
  return LocalTime{local.tm_year + 1900,
                   local.tm_mon + 1,
                   local.tm_mday,
                   local.tm_hour,
                   local.tm_min,
                   std::min(local.tm_sec, 59),
                   static_cast<int>(now.tv_nsec / 1'000'000)};
}

LocaleFormats LinuxPlatform::GetLocaleFormats() {
  // The locale is taken from the environment once, when the platform is made; the clock asks
  // twice a second.
  if (!localeFormats_) localeFormats_ = currentLocaleFormats();
  return *localeFormats_;
}

bool LinuxPlatform::PrevInstance() {
  if (!prevInstance_) prevInstance_ = !lock_.acquire();
  return *prevInstance_;
}

}  // namespace slumbrix
