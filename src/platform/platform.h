#pragma once

#include <cstdint>
#include <string>

namespace slumbrix {

// A window, icon, token, registry key or process handle as the 32-bit program sees it.
using Handle = std::uint32_t;

// The present local wall-clock moment, field for field like the Windows SYSTEMTIME.
struct LocalTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// A moment in UTC: seconds since 1 January 1970 00:00 UTC (leap seconds not counted) and the
// milliseconds into that second.
struct UtcTime {
  std::int64_t seconds = 0;
  int millisecond = 0;
};

// The user's date and time formats as pictures in the Windows notation:
// d dd M MM yy yyyy for dates, h hh H HH m mm s ss t tt for times, anything else literal
// (text in single quotes is literal too).
struct LocaleFormats {
  std::string shortDate = "M/d/yyyy";
  std::string longTime = "h:mm:ss tt";
  std::string am = "AM";  // may be empty where the locale has no designators
  std::string pm = "PM";
};

// The operating-system calls the program makes, with the Windows names, argument order and
// byte records. Strings and records are passed exactly as the Windows ANSI functions take
// them; the core builds every record itself. No method throws: each states its failure value.
class Platform {
 public:
  virtual ~Platform() = default;

  // kernel32 ---------------------------------------------------------------------------------
  // Packed version word; bit 31 is set on Win32s and the 95/98/Me family. Cannot fail.
  virtual std::uint32_t GetVersion() = 0;
  // Fills the 148-byte OSVERSIONINFOA whose first field holds 148. Returns 0 on failure and
  // then leaves the record as it was.
  virtual std::int32_t GetVersionExA(std::uint8_t* versionInfo) = 0;
  // Pseudo-handles of the own process and thread; cannot fail.
  virtual Handle GetCurrentProcess() = 0;
  virtual Handle GetCurrentThread() = 0;
  // Nonzero on success, 0 on failure (refused or unsupported).
  virtual std::int32_t SetPriorityClass(Handle process, std::uint32_t priorityClass) = 0;
  virtual std::int32_t SetThreadPriority(Handle thread, std::int32_t priority) = 0;
  // Nonzero on success, 0 when the handle was not open.
  virtual std::int32_t CloseHandle(Handle object) = 0;

  // user32 -----------------------------------------------------------------------------------
  // Nonzero when the request was accepted (it is carried out afterwards), 0 on failure.
  virtual std::int32_t ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) = 0;
  // Nonzero on success; 0 on failure, also where the system has no such function.
  virtual std::int32_t LockWorkStation() = 0;
  // The window procedure's answer; 0 where the window does not exist.
  virtual std::int32_t SendMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                                    std::int32_t lParam) = 0;
  // Nonzero when the window was brought forward, 0 otherwise.
  virtual std::int32_t SetForegroundWindow(Handle window) = 0;

  // powrprof ---------------------------------------------------------------------------------
  // The three values as 32-bit words (a set boolean arrives as 0xFFFFFFFF); nonzero on
  // success, 0 on failure, also where the system has no such function.
  virtual std::int32_t SetSuspendState(std::uint32_t hibernate, std::uint32_t forceCritical,
                                       std::uint32_t disableWakeEvent) = 0;

  // advapi32 ---------------------------------------------------------------------------------
  // Nonzero on success; on failure 0 and *token is left as it was.
  virtual std::int32_t OpenProcessToken(Handle process, std::uint32_t desiredAccess,
                                        Handle* token) = 0;
  // Writes the 8-byte LUID (LowPart, HighPart). Nonzero on success, 0 on failure.
  virtual std::int32_t LookupPrivilegeValueA(const char* systemName, const char* name,
                                             std::uint8_t* luid) = 0;
  // newState and previousState are TOKEN_PRIVILEGES records of bufferLength bytes.
  // Nonzero on success, 0 on failure.
  virtual std::int32_t AdjustTokenPrivileges(Handle token, std::int32_t disableAllPrivileges,
                                             const std::uint8_t* newState,
                                             std::uint32_t bufferLength,
                                             std::uint8_t* previousState,
                                             std::uint32_t* returnLength) = 0;
  // 0 (ERROR_SUCCESS) when opened, else a Windows error code and *result untouched.
  virtual std::int32_t RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                                     std::uint32_t samDesired, Handle* result) = 0;
  // 0 when read, else an error code; data and *dataSize are then untouched.
  virtual std::int32_t RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                                        std::uint32_t* type, std::uint8_t* data,
                                        std::uint32_t* dataSize) = 0;
  // 0 when closed, else an error code.
  virtual std::int32_t RegCloseKey(Handle key) = 0;

  // ntdll ------------------------------------------------------------------------------------
  // 0 (STATUS_SUCCESS) when the buffer was filled, any other status on failure, also where
  // the system has no such function. returnLength may be null.
  virtual std::int32_t NtQuerySystemInformation(std::uint32_t informationClass,
                                                std::uint8_t* information, std::uint32_t length,
                                                std::uint32_t* returnLength) = 0;

  // shell32 ----------------------------------------------------------------------------------
  // data is the 88-byte NOTIFYICONDATAA record. Nonzero on success, 0 on failure.
  virtual std::int32_t Shell_NotifyIconA(std::uint32_t message, const std::uint8_t* data) = 0;
  // Greater than 32 on success, 32 or less on failure. operation, parameters and directory
  // may be null.
  virtual Handle ShellExecuteA(Handle owner, const char* operation, const char* file,
                               const char* parameters, const char* directory,
                               std::int32_t showCommand) = 0;

  // runtime ----------------------------------------------------------------------------------
  // The present local wall-clock moment. Cannot fail.
  virtual LocalTime Now() = 0;
  // The present moment in UTC, by the same system clock as Now(): setting the clock moves
  // both. Cannot fail.
  virtual UtcTime NowUtc() = 0;
  // The local wall-clock time at a UTC moment, by the system's time zone with its
  // daylight-saving rules. Returns false where the system cannot convert the moment, and then
  // leaves `local` as it was.
  virtual bool LocalFromUtc(std::int64_t utcSeconds, LocalTime& local) = 0;
  // The user's date and time formats; US English when the system says nothing.
  virtual LocaleFormats GetLocaleFormats() = 0;
  // True when another instance of the program is already running. Once it has answered
  // false, this process holds the right to run until it ends.
  virtual bool PrevInstance() = 0;
};

}  // namespace slumbrix
