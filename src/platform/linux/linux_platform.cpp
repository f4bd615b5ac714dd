#include "platform/linux/linux_platform.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <strings.h>
#include <sys/resource.h>
#include <unistd.h>
#include <clocale>
#include <cstring>
#include <ctime>

#include "platform/linux/locale_formats.h"
#include "platform/linux/native_windows.h"
#include "platform/linux/session_actions.h"

namespace slumbrix {
namespace {

// Windows XP: version 5.1, build 2600, the NT platform.
constexpr std::uint32_t kVersionWord = 0x0A280105;
constexpr std::uint32_t kOsVersionInfoSize = 148;
constexpr Handle kCurrentProcess = 0xFFFFFFFF;
constexpr Handle kCurrentThread = 0xFFFFFFFE;

constexpr std::uint32_t kEwxShutdown = 1;
constexpr std::uint32_t kEwxReboot = 2;
constexpr std::uint32_t kEwxPowerOff = 8;
constexpr std::uint32_t kWmSysCommand = 0x112;
constexpr std::uint32_t kScScreenSave = 0xF140;

constexpr Handle kShellExecuteDone = 42;
constexpr Handle kSeErrFileNotFound = 2;
constexpr Handle kSeErrNoAssociation = 31;

void putWord(std::uint8_t* record, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The nice value that stands for a Windows priority class; nothing for an unknown class.
std::optional<int> niceOfClass(std::uint32_t priorityClass) {
  switch (priorityClass) {
    case 0x40:
      return 19;  // IDLE_PRIORITY_CLASS
    case 0x4000:
      return 5;  // BELOW_NORMAL_PRIORITY_CLASS
    case 0x20:
      return 0;  // NORMAL_PRIORITY_CLASS
    case 0x8000:
      return -5;  // ABOVE_NORMAL_PRIORITY_CLASS
    case 0x80:
      return -10;  // HIGH_PRIORITY_CLASS
    case 0x100:
      return -15;  // REALTIME_PRIORITY_CLASS
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
  if (info == nullptr) return 0;
  const std::uint32_t size = std::uint32_t{info[0]} | std::uint32_t{info[1]} << 8 |
                             std::uint32_t{info[2]} << 16 | std::uint32_t{info[3]} << 24;
  if (size != kOsVersionInfoSize) return 0;
  std::memset(info + 4, 0, kOsVersionInfoSize - 4);
  putWord(info, 4, 5);      // major
  putWord(info, 8, 1);      // minor
  putWord(info, 12, 2600);  // build
  putWord(info, 16, 2);     // VER_PLATFORM_WIN32_NT
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
  if (priority >= 15) {
    nice = -20;  // THREAD_PRIORITY_TIME_CRITICAL
  } else if (priority <= -15) {
    nice = 19;  // THREAD_PRIORITY_IDLE
  } else if (priority >= -2 && priority <= 2) {
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
  if (message == kWmSysCommand && (wParam & 0xFFF0) == kScScreenSave)
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
