#pragma once

// Conversions between the 32-bit handles the program holds and the Windows handle types.
// Only the Windows layers include this header.
//
// On the 64-bit build a Windows handle is pointer-sized, but every handle the program holds
// has only 32 significant bits: window, icon and kernel handles stay below 2^32, and the
// predefined ones are negative values (HKEY_DYN_DATA is 0x80000006 sign-extended,
// GetCurrentProcess() is -1, GetCurrentThread() is -2). So a handle is widened with sign
// extension, never zero extension, and narrowed by keeping its low 32 bits. On the 32-bit
// build both are the identity.

#include <windows.h>

#include <cstdint>

#include "platform/platform.h"

namespace slumbrix::win32 {

static_assert(sizeof(Handle) == 4 && sizeof(void*) >= sizeof(Handle));

template <class H>
inline H fromHandle(Handle handle) {
  const auto widened = static_cast<std::intptr_t>(static_cast<std::int32_t>(handle));
  return reinterpret_cast<H>(widened);
}

template <class H>
inline Handle toHandle(H handle) {
  return static_cast<Handle>(reinterpret_cast<std::uintptr_t>(handle) & 0xFFFFFFFFu);
}

}  // namespace slumbrix::win32
