#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/windows_values.h"

namespace slumbrix {

// OSVERSIONINFO in its 148-byte ANSI form, little-endian. The service-pack text is never
// read, so it is not kept here. The one reading of the record: the version detection and the
// CPU usage subsystem's own platform test both go through fromBytes.
struct OsVersionInfo {
  static constexpr std::size_t kSize = OsVersionInfoLayout::kSize;
  using Bytes = std::array<std::uint8_t, kSize>;

  std::int32_t dwOSVersionInfoSize = 0;
  std::int32_t dwMajorVersion = 0;
  std::int32_t dwMinorVersion = 0;
  std::int32_t dwBuildNumber = 0;
  std::int32_t dwPlatformId = 0;

  // A zeroed record with only its size field set, ready for GetVersionExA.
  static Bytes request();
  static OsVersionInfo fromBytes(const Bytes& bytes);
};

// TOKEN_PRIVILEGES with one entry, 16 bytes, little-endian:
// PrivilegeCount, Luid.LowPart, Luid.HighPart, Attributes.
struct TokenPrivileges {
  static constexpr std::size_t kSize = TokenPrivilegesLayout::kSize;
  static constexpr std::size_t kLuidOffset = TokenPrivilegesLayout::kLuid;
  using Bytes = std::array<std::uint8_t, kSize>;

  std::uint32_t PrivilegeCount = 0;
  std::uint32_t LuidLowPart = 0;
  std::int32_t LuidHighPart = 0;
  std::uint32_t Attributes = 0;

  Bytes toBytes() const;
  static TokenPrivileges fromBytes(const Bytes& bytes);
};

}  // namespace slumbrix
