#include "actions/shutdown_records.h"

#include "platform/byte_record.h"
#include "platform/windows_values.h"

namespace slumbrix {

OsVersionInfo::Bytes OsVersionInfo::request() {
  Bytes bytes{};
  record::writeU32(bytes, OsVersionInfoLayout::kOSVersionInfoSize,
                   static_cast<std::uint32_t>(kSize));
  return bytes;
}

OsVersionInfo OsVersionInfo::fromBytes(const Bytes& bytes) {
  using L = OsVersionInfoLayout;
  OsVersionInfo info;
  info.dwOSVersionInfoSize = record::readI32(bytes, L::kOSVersionInfoSize);
  info.dwMajorVersion = record::readI32(bytes, L::kMajorVersion);
  info.dwMinorVersion = record::readI32(bytes, L::kMinorVersion);
  info.dwBuildNumber = record::readI32(bytes, L::kBuildNumber);
  info.dwPlatformId = record::readI32(bytes, L::kPlatformId);
  return info;
}

TokenPrivileges::Bytes TokenPrivileges::toBytes() const {
  using L = TokenPrivilegesLayout;
  Bytes bytes{};
  record::writeU32(bytes, L::kPrivilegeCount, PrivilegeCount);
  record::writeU32(bytes, L::kLuidLowPart, LuidLowPart);
  record::writeI32(bytes, L::kLuidHighPart, LuidHighPart);
  record::writeU32(bytes, L::kAttributes, Attributes);
  return bytes;
}

TokenPrivileges TokenPrivileges::fromBytes(const Bytes& bytes) {
  using L = TokenPrivilegesLayout;
  TokenPrivileges result;
  result.PrivilegeCount = record::readU32(bytes, L::kPrivilegeCount);
  result.LuidLowPart = record::readU32(bytes, L::kLuidLowPart);
  result.LuidHighPart = record::readI32(bytes, L::kLuidHighPart);
  result.Attributes = record::readU32(bytes, L::kAttributes);
  return result;
}

}  // namespace slumbrix
