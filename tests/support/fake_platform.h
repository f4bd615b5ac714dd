#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/virtual_clock.h"

namespace slumbrix::test {

// One call the program made, with its arguments in order: numbers, strings and copies of the
// byte records passed in (records written by the platform are copied as they were on entry).
struct PlatformCall {
  std::string name;
  std::vector<std::int64_t> args;
  std::vector<std::string> strings;
  std::vector<std::vector<std::uint8_t>> records;
};

// A call as one line, "Name args \"strings\"", numbers in hex: ExitWindowsEx 6 0.
std::string describe(const PlatformCall& call);

// The Windows a fake answers for: its GetVersion word and its OSVERSIONINFO fields.
struct FakeWindowsVersion {
  std::uint32_t versionWord;
  std::uint32_t major;
  std::uint32_t minor;
  std::uint32_t build;
  std::uint32_t platformId;
};

namespace windows {
inline constexpr FakeWindowsVersion k95{0xC3B60004u, 4, 0, 950, 1};
inline constexpr FakeWindowsVersion k98{0xC0000A04u, 4, 10, 1998, 1};
inline constexpr FakeWindowsVersion kMe{0xC0005A04u, 4, 90, 3000, 1};
inline constexpr FakeWindowsVersion kNt4{0x05650004u, 4, 0, 1381, 2};
inline constexpr FakeWindowsVersion k2000{0x08930005u, 5, 0, 2195, 2};
inline constexpr FakeWindowsVersion kXp{0x0A280105u, 5, 1, 2600, 2};
}  // namespace windows

// A recording platform for tests: every call is appended to `calls`, and every answer comes
// from the public fields below, which a test sets before it acts.
class FakePlatform : public Platform {
 public:
  FakePlatform();

  std::vector<PlatformCall> calls;

  // Version calls.
  FakeWindowsVersion version = windows::kXp;
  bool failGetVersionEx = false;

  // Results of the calls made for their effect, by call name ("ExitWindowsEx", ...; for one
  // tray message alone "Shell_NotifyIconA(0)"); calls not named here succeed (1, or 42 for
  // ShellExecuteA).
  std::map<std::string, std::int64_t> results;

  // Token calls.
  std::uint32_t luidLow = 19;
  std::int32_t luidHigh = 0;

  // NtQuerySystemInformation: the counters the next query reports, and the classes that fail.
  std::uint8_t processors = 1;
  std::int64_t idleTime = 0;    // 100 ns units, all processors together
  std::int64_t systemTime = 0;  // 100 ns units
  std::set<std::uint32_t> failingClasses;

  // Registry: the keys below HKEY_DYN_DATA that exist, and the CPU statistic.
  std::set<std::string> registryKeys{"PerfStats\\StartStat", "PerfStats\\StatData",
                                     "PerfStats\\StopStat"};
  std::uint32_t cpuUsageValue = 0;
  bool failRegistryReads = false;

  // Runtime.
  // The present moment: the virtual clock with its zone when a test drives one, else `time`
  // in a zone without offset.
  LocalTime time{};
  const VirtualClock* clock = nullptr;
  bool failLocalFromUtc = false;
  // How far the local reading (Now) runs ahead of the UTC reading (NowUtc), as when a second
  // turns between the two.
  int nowLeadSeconds = 0;
  LocaleFormats locale{};  // US English
  bool previousInstance = false;

  // Helpers for assertions.
  std::vector<std::string> names() const;
  // Every call so far as describe() writes it.
  std::vector<std::string> trace() const;
  // How many system actions were asked for: exit requests, standby, lock, screen saver.
  int actionsPerformed() const;
  std::vector<PlatformCall> named(const std::string& name) const;
  void clear() { calls.clear(); }

  // Platform
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

  // Handles the fake gives out.
  static constexpr Handle kProcess = 0xFFFFFFFFu;
  static constexpr Handle kThread = 0xFFFFFFFEu;
  static constexpr Handle kHkeyDynData = 0x80000006u;

 private:
  PlatformCall& record(std::string name, std::vector<std::int64_t> args = {});
  std::int64_t resultOf(const std::string& name, std::int64_t fallback) const;

  Handle nextHandle_ = 0x100;
  std::set<Handle> openTokens_;
  std::map<Handle, std::string> openKeys_;
};

}  // namespace slumbrix::test
