#include "actions/shutdown_records.h"

namespace slumbrix {
namespace {

std::uint32_t get32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void put32(std::uint8_t* p, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::int32_t getSigned32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(get32(p));
}

}  // namespace

OsVersionInfo::Bytes OsVersionInfo::request() {
  Bytes bytes{};
  put32(bytes.data(), static_cast<std::uint32_t>(kSize));
  return bytes;
}

OsVersionInfo OsVersionInfo::fromBytes(const Bytes& bytes) {
  OsVersionInfo info;
  info.dwOSVersionInfoSize = getSigned32(bytes.data());
  info.dwMajorVersion = getSigned32(bytes.data() + 4);
  info.dwMinorVersion = getSigned32(bytes.data() + 8);
  info.dwBuildNumber = getSigned32(bytes.data() + 12);
  info.dwPlatformId = getSigned32(bytes.data() + 16);
  return info;
}

TokenPrivileges::Bytes TokenPrivileges::toBytes() const {
  Bytes bytes{};
  put32(bytes.data(), PrivilegeCount);
  put32(bytes.data() + 4, LuidLowPart);
  put32(bytes.data() + 8, static_cast<std::uint32_t>(LuidHighPart));
  put32(bytes.data() + 12, Attributes);
  return bytes;
}

TokenPrivileges TokenPrivileges::fromBytes(const Bytes& bytes) {
  TokenPrivileges record;
  record.PrivilegeCount = get32(bytes.data());
  record.LuidLowPart = get32(bytes.data() + 4);
  record.LuidHighPart = getSigned32(bytes.data() + 8);
  record.Attributes = get32(bytes.data() + 12);
  return record;
}

}  // namespace slumbrix
