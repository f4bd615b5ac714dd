#include "platform/win32/late_bound.h"

namespace slumbrix::win32 {

FARPROC findFunction(const char* library, const char* function) {
  HMODULE module = GetModuleHandleA(library);
  if (module == nullptr) module = LoadLibraryA(library);
  if (module == nullptr) return nullptr;
  return GetProcAddress(module, function);
}

std::int32_t callLockWorkStation(LockWorkStationFn fn) {
  if (fn == nullptr) return 0;
  return fn() != FALSE ? 1 : 0;
}

std::int32_t callSetSuspendState(SetSuspendStateFn fn, std::uint32_t hibernate,
                                 std::uint32_t forceCritical, std::uint32_t disableWakeEvent) {
  if (fn == nullptr) return 0;
  const BOOLEAN result = fn(hibernate != 0 ? TRUE : FALSE, forceCritical != 0 ? TRUE : FALSE,
                            disableWakeEvent != 0 ? TRUE : FALSE);
  return result != FALSE ? 1 : 0;
}

std::int32_t callNtQuerySystemInformation(NtQuerySystemInformationFn fn,
                                          std::uint32_t informationClass, std::uint8_t* information,
                                          std::uint32_t length, std::uint32_t* returnLength) {
  if (fn == nullptr) return kStatusProcedureNotFound;
  ULONG written = 0;
  const LONG status =
      fn(informationClass, information, length, returnLength != nullptr ? &written : nullptr);
  if (returnLength != nullptr) *returnLength = written;
  return status;
}

}  // namespace slumbrix::win32
