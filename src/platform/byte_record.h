#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Fields of the little-endian byte records exchanged through the Platform calls (the tray
// record, the version record, the privilege record, the system information). A field is read
// or written only when it lies wholly inside the buffer: otherwise a read gives 0 (or an
// empty text) and a write changes nothing, so a wrong offset can never reach past a record.
namespace slumbrix::record {

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::int32_t readI32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::int64_t readI64(std::span<const std::uint8_t> bytes, std::size_t offset);
// The field's `length` bytes as characters, NULs and what follows them included.
std::string readChars(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t length);

void writeU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);
void writeU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);
// Two's complement: -1 is written as FF FF FF FF.
void writeI32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value);
void writeI64(std::span<std::uint8_t> bytes, std::size_t offset, std::int64_t value);
// A fixed-size text field: the text's first `length` characters, one byte each, and NULs for
// the rest of the field.
void writeChars(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t length,
                std::string_view text);

}  // namespace slumbrix::record
