#include "fake_platform.h"

#include <cstring>
#include <sstream>

#include "platform/byte_record.h"
#include "platform/windows_values.h"

namespace slumbrix::test {
namespace {

std::string str(const char* s) {
  return s == nullptr ? std::string("<null>") : std::string(s);
}

void put32(std::uint8_t* p, std::uint32_t v) {
  record::writeU32({p, 4}, 0, v);
}

void put64(std::uint8_t* p, std::int64_t v) {
  record::writeI64({p, 8}, 0, v);
}

}  // namespace

FakePlatform::FakePlatform() {
  time = LocalTime{2026, 12, 6, 10, 0, 0, 0};
}

PlatformCall& FakePlatform::record(std::string name, std::vector<std::int64_t> args) {
  calls.push_back(PlatformCall{std::move(name), std::move(args), {}, {}});
  return calls.back();
}

std::int64_t FakePlatform::resultOf(const std::string& name, std::int64_t fallback) const {
  const auto it = results.find(name);
  return it == results.end() ? fallback : it->second;
}

std::vector<std::string> FakePlatform::names() const {
  std::vector<std::string> out;
  out.reserve(calls.size());
  for (const auto& c : calls) out.push_back(c.name);
  return out;
}

std::string describe(const PlatformCall& call) {
  std::ostringstream line;
  line << call.name << std::hex;
  for (auto arg : call.args) line << " " << arg;
  for (const auto& s : call.strings) line << " \"" << s << "\"";
  return line.str();
}

std::vector<std::string> FakePlatform::trace() const {
  std::vector<std::string> out;
  out.reserve(calls.size());
  for (const auto& c : calls) out.push_back(describe(c));
  return out;
}

int FakePlatform::actionsPerformed() const {
  int n = 0;
  for (const auto& c : calls)
    if (c.name == "ExitWindowsEx" || c.name == "SetSuspendState" || c.name == "LockWorkStation" ||
        c.name == "SendMessageA")
      ++n;
  return n;
}

std::vector<PlatformCall> FakePlatform::named(const std::string& name) const {
  std::vector<PlatformCall> out;
  for (const auto& c : calls)
    if (c.name == name) out.push_back(c);
  return out;
}

std::uint32_t FakePlatform::GetVersion() {
  record("GetVersion");
  return version.versionWord;
}

std::int32_t FakePlatform::GetVersionExA(std::uint8_t* versionInfo) {
  auto& call = record("GetVersionExA");
  using L = OsVersionInfoLayout;
  call.records.emplace_back(versionInfo, versionInfo + L::kSize);
  if (failGetVersionEx) return 0;
  put32(versionInfo + L::kMajorVersion, version.major);
  put32(versionInfo + L::kMinorVersion, version.minor);
  put32(versionInfo + L::kBuildNumber, version.build);
  put32(versionInfo + L::kPlatformId, version.platformId);
  return 1;
}

Handle FakePlatform::GetCurrentProcess() {
  record("GetCurrentProcess");
  return kProcess;
}

Handle FakePlatform::GetCurrentThread() {
  record("GetCurrentThread");
  return kThread;
}

std::int32_t FakePlatform::SetPriorityClass(Handle process, std::uint32_t priorityClass) {
  record("SetPriorityClass", {process, priorityClass});
  return static_cast<std::int32_t>(resultOf("SetPriorityClass", 1));
}

std::int32_t FakePlatform::SetThreadPriority(Handle thread, std::int32_t priority) {
  record("SetThreadPriority", {thread, priority});
  return static_cast<std::int32_t>(resultOf("SetThreadPriority", 1));
}

std::int32_t FakePlatform::CloseHandle(Handle object) {
  record("CloseHandle", {object});
  return openTokens_.erase(object) > 0 ? 1 : 0;
}

std::int32_t FakePlatform::ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) {
  record("ExitWindowsEx", {flags, reserved});
  return static_cast<std::int32_t>(resultOf("ExitWindowsEx", 1));
}

std::int32_t FakePlatform::LockWorkStation() {
  record("LockWorkStation");
  return static_cast<std::int32_t>(resultOf("LockWorkStation", 1));
}

std::int32_t FakePlatform::SendMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                                        std::int32_t lParam) {
  record("SendMessageA", {window, message, wParam, lParam});
  return static_cast<std::int32_t>(resultOf("SendMessageA", 0));
}

std::int32_t FakePlatform::SetForegroundWindow(Handle window) {
  record("SetForegroundWindow", {window});
  return static_cast<std::int32_t>(resultOf("SetForegroundWindow", 1));
}

std::int32_t FakePlatform::SetSuspendState(std::uint32_t hibernate, std::uint32_t forceCritical,
                                           std::uint32_t disableWakeEvent) {
  record("SetSuspendState", {hibernate, forceCritical, disableWakeEvent});
  return static_cast<std::int32_t>(resultOf("SetSuspendState", 1));
}

std::int32_t FakePlatform::OpenProcessToken(Handle process, std::uint32_t desiredAccess,
                                            Handle* token) {
  record("OpenProcessToken", {process, desiredAccess});
  if (resultOf("OpenProcessToken", 1) == 0) return 0;
  *token = nextHandle_++;
  openTokens_.insert(*token);
  return 1;
}

std::int32_t FakePlatform::LookupPrivilegeValueA(const char* systemName, const char* name,
                                                 std::uint8_t* luid) {
  auto& call = record("LookupPrivilegeValueA");
  call.strings = {str(systemName), str(name)};
  if (resultOf("LookupPrivilegeValueA", 1) == 0) return 0;
  // The LUID's two halves, as they sit in the privilege record.
  constexpr std::size_t kHighPart =
      TokenPrivilegesLayout::kLuidHighPart - TokenPrivilegesLayout::kLuidLowPart;
  put32(luid, luidLow);
  put32(luid + kHighPart, static_cast<std::uint32_t>(luidHigh));
  return 1;
}

std::int32_t FakePlatform::AdjustTokenPrivileges(Handle token, std::int32_t disableAllPrivileges,
                                                 const std::uint8_t* newState,
                                                 std::uint32_t bufferLength,
                                                 std::uint8_t* previousState,
                                                 std::uint32_t* returnLength) {
  auto& call = record("AdjustTokenPrivileges",
                      {token, disableAllPrivileges, bufferLength, returnLength != nullptr ? 1 : 0});
  call.records.emplace_back(newState, newState + bufferLength);
  call.records.emplace_back(previousState, previousState + bufferLength);
  if (resultOf("AdjustTokenPrivileges", 1) == 0) return 0;
  if (returnLength != nullptr) *returnLength = TokenPrivilegesLayout::kSize;
  return 1;
}

std::int32_t FakePlatform::RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                                         std::uint32_t samDesired, Handle* result) {
  auto& call = record("RegOpenKeyExA", {key, options, samDesired});
  call.strings = {str(subKey)};
  if (key != kHkeyDynData || subKey == nullptr || registryKeys.count(subKey) == 0) return 2;
  *result = nextHandle_++;
  openKeys_[*result] = subKey;
  return 0;
}

std::int32_t FakePlatform::RegQueryValueExA(Handle key, const char* valueName,
                                            std::uint32_t* reserved, std::uint32_t* type,
                                            std::uint8_t* data, std::uint32_t* dataSize) {
  auto& call = record("RegQueryValueExA",
                      {key, reserved == nullptr ? 0 : 1, dataSize == nullptr ? -1 : *dataSize});
  call.strings = {str(valueName)};
  if (failRegistryReads || openKeys_.count(key) == 0) return 6;  // ERROR_INVALID_HANDLE
  if (dataSize == nullptr || *dataSize < 4) return 234;          // ERROR_MORE_DATA
  if (type != nullptr) *type = 3;                                // REG_BINARY, as 98 answers
  put32(data, cpuUsageValue);
  *dataSize = 4;
  return 0;
}

std::int32_t FakePlatform::RegCloseKey(Handle key) {
  record("RegCloseKey", {key});
  return openKeys_.erase(key) > 0 ? 0 : 6;
}

std::int32_t FakePlatform::NtQuerySystemInformation(std::uint32_t informationClass,
                                                    std::uint8_t* information, std::uint32_t length,
                                                    std::uint32_t* returnLength) {
  record("NtQuerySystemInformation", {informationClass, length, returnLength == nullptr ? 0 : 1});
  constexpr std::int32_t kStatusUnsuccessful = static_cast<std::int32_t>(0xC0000001u);
  constexpr std::int32_t kStatusLengthMismatch = static_cast<std::int32_t>(0xC0000004u);
  if (failingClasses.count(informationClass) != 0) return kStatusUnsuccessful;
  switch (informationClass) {
    case SystemBasicInformationLayout::kClass:
      if (length != SystemBasicInformationLayout::kSize) return kStatusLengthMismatch;
      std::memset(information, 0, length);
      information[SystemBasicInformationLayout::kNumberOfProcessors] = processors;
      return 0;
    case SystemPerformanceInformationLayout::kClass:
      if (length != SystemPerformanceInformationLayout::kSize) return kStatusLengthMismatch;
      std::memset(information, 0, length);
      put64(information + SystemPerformanceInformationLayout::kIdleTime, idleTime);
      return 0;
    case SystemTimeOfDayInformationLayout::kClass:
      if (length != SystemTimeOfDayInformationLayout::kSize) return kStatusLengthMismatch;
      std::memset(information, 0, length);
      put64(information + SystemTimeOfDayInformationLayout::kCurrentTime, systemTime);
      return 0;
    default:
      return static_cast<std::int32_t>(0xC0000003u);  // STATUS_INVALID_INFO_CLASS
  }
}

std::int32_t FakePlatform::Shell_NotifyIconA(std::uint32_t message, const std::uint8_t* data) {
  auto& call = record("Shell_NotifyIconA", {message});
  call.records.emplace_back(data, data + NotifyIconDataLayout::kSize);
  // "Shell_NotifyIconA(1)" answers one message alone, "Shell_NotifyIconA" all others.
  const std::string one = "Shell_NotifyIconA(" + std::to_string(message) + ")";
  return static_cast<std::int32_t>(resultOf(one, resultOf("Shell_NotifyIconA", 1)));
}

Handle FakePlatform::ShellExecuteA(Handle owner, const char* operation, const char* file,
                                   const char* parameters, const char* directory,
                                   std::int32_t showCommand) {
  auto& call = record("ShellExecuteA", {owner, showCommand});
  call.strings = {str(operation), str(file), str(parameters), str(directory)};
  return static_cast<Handle>(resultOf("ShellExecuteA", 42));
}

LocalTime FakePlatform::Now() {
  if (clock == nullptr) return time;
  const UtcTime utc = clock->utcNow();
  LocalTime local = clock->localAt(utc.seconds + nowLeadSeconds);
  local.millisecond = utc.millisecond;
  return local;
}

UtcTime FakePlatform::NowUtc() {
  if (clock != nullptr) return clock->utcNow();
  VirtualClock fixed;
  fixed.set(time);
  return fixed.utcNow();
}

bool FakePlatform::LocalFromUtc(std::int64_t utcSeconds, LocalTime& local) {
  if (failLocalFromUtc) return false;
  local = clock != nullptr ? clock->localAt(utcSeconds) : VirtualClock{}.localAt(utcSeconds);
  return true;
}

LocaleFormats FakePlatform::GetLocaleFormats() {
  return locale;
}

bool FakePlatform::PrevInstance() {
  record("PrevInstance");
  return previousInstance;
}

}  // namespace slumbrix::test
