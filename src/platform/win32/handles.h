#pragma once

// Conversions between the 32-bit handles the program holds and the Windows handle types.
// Only the Windows layers include this header.

#include <windows.h>

#include <cstdint>

#include "platform/platform.h"

namespace slumbrix::win32 {

static_assert(sizeof(void*) == sizeof(Handle), "the Windows build is a 32-bit program");

template <class H>
inline H fromHandle(Handle handle) {
  return reinterpret_cast<H>(static_cast<std::uintptr_t>(handle));
}

template <class H>
inline Handle toHandle(H handle) {
  return static_cast<Handle>(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace slumbrix::win32
