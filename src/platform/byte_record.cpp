#include "platform/byte_record.h"

#include <algorithm>

namespace slumbrix::record {
namespace {

// Written so that a huge offset cannot wrap around.
bool fits(std::size_t size, std::size_t offset, std::size_t width) {
  return offset <= size && width <= size - offset;
}

std::uint64_t readUnsigned(std::span<const std::uint8_t> bytes, std::size_t offset,
                           std::size_t width) {
  if (!fits(bytes.size(), offset, width)) return 0;
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i)
    value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
  return value;
}

void writeUnsigned(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width,
                   std::uint64_t value) {
  if (!fits(bytes.size(), offset, width)) return;
  for (std::size_t i = 0; i < width; ++i)
    bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(readUnsigned(bytes, offset, 2));
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(readUnsigned(bytes, offset, 4));
}

std::int32_t readI32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int32_t>(readU32(bytes, offset));
}

std::int64_t readI64(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int64_t>(readUnsigned(bytes, offset, 8));
}

std::string readChars(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t length) {
  if (!fits(bytes.size(), offset, length)) return {};
  const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
  return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

void writeU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
  writeUnsigned(bytes, offset, 2, value);
}

void writeU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  writeUnsigned(bytes, offset, 4, value);
}

void writeI32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
  writeU32(bytes, offset, static_cast<std::uint32_t>(value));
}

void writeI64(std::span<std::uint8_t> bytes, std::size_t offset, std::int64_t value) {
  writeUnsigned(bytes, offset, 8, static_cast<std::uint64_t>(value));
}

void writeChars(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t length,
                std::string_view text) {
  if (!fits(bytes.size(), offset, length)) return;
  const std::size_t kept = std::min(length, text.size());
  for (std::size_t i = 0; i < length; ++i)
    bytes[offset + i] = i < kept ? static_cast<std::uint8_t>(text[i]) : 0;
}

}  // namespace slumbrix::record
