#pragma once

// Functions that some supported Windows versions lack. They are looked up with
// GetProcAddress at the moment of each call, so the program loads on Windows 95, and a
// missing function or library makes that one call fail instead of the whole program.

#include <windows.h>

#include <cstdint>

namespace slumbrix::win32 {

// The real prototypes.
using LockWorkStationFn = BOOL(WINAPI*)();
using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN hibernate, BOOLEAN forceCritical,
                                           BOOLEAN disableWakeEvent);
using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG informationClass, PVOID information,
                                                 ULONG length, PULONG returnLength);

// STATUS_PROCEDURE_NOT_FOUND: what the native call reports where ntdll lacks it.
inline constexpr std::int32_t kStatusProcedureNotFound = static_cast<std::int32_t>(0xC000007A);

// The address of `function` in `library`, or null when either is missing. A library that
// was not loaded yet is loaded and stays loaded for the life of the process.
FARPROC findFunction(const char* library, const char* function);

template <class Fn>
Fn lateBound(const char* library, const char* function) {
  // GetProcAddress hands out a generic pointer; the caller names the real prototype.
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(findFunction(library, function)));
}

// The calls through a bound pointer, with the conversions the program's 32-bit values need.
// A null pointer makes the call fail as the Platform interface states.
std::int32_t callLockWorkStation(LockWorkStationFn fn);
// Each 32-bit word counts as TRUE when it is not 0; only the BOOLEAN result is read.
std::int32_t callSetSuspendState(SetSuspendStateFn fn, std::uint32_t hibernate,
                                 std::uint32_t forceCritical, std::uint32_t disableWakeEvent);
std::int32_t callNtQuerySystemInformation(NtQuerySystemInformationFn fn,
                                          std::uint32_t informationClass, std::uint8_t* information,
                                          std::uint32_t length, std::uint32_t* returnLength);

}  // namespace slumbrix::win32
