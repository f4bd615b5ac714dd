#include "platform/byte_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace slumbrix::record {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ByteRecord, ReadsLittleEndianWithTheSignOfTheField) {
  const Bytes bytes{0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0xFF,
                    0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x80};
  EXPECT_EQ(readU16(bytes, 0), 0x0201u);
  EXPECT_EQ(readU32(bytes, 0), 0x04030201u);
  EXPECT_EQ(readI32(bytes, 0), 0x04030201);
  EXPECT_EQ(readU16(bytes, 4), 0xFFFFu);
  EXPECT_EQ(readU32(bytes, 4), 0xFFFFFFFFu);
  EXPECT_EQ(readI32(bytes, 4), -1);
  EXPECT_EQ(readI32(bytes, 8), -2);
  // Any offset, not only aligned ones.
  EXPECT_EQ(readU32(bytes, 3), 0xFFFFFF04u);
  // The top bit of the eighth byte is the sign of a 64-bit field.
  EXPECT_EQ(readI64(bytes, 8), std::numeric_limits<std::int64_t>::min() + 0xFFFFFFFFFFFFFE);
  EXPECT_EQ(readI64(bytes, 0), static_cast<std::int64_t>(0xFFFFFFFF04030201u));
}

TEST(ByteRecord, WritesLittleEndianTwosComplement) {
  Bytes bytes(16, 0xAA);
  writeU16(bytes, 0, 0x1234);
  writeU32(bytes, 2, 0x89ABCDEFu);
  writeI32(bytes, 6, -2);
  EXPECT_EQ(bytes, (Bytes{0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 0xFE, 0xFF, 0xFF, 0xFF, 0xAA, 0xAA,
                          0xAA, 0xAA, 0xAA, 0xAA}));
  writeI64(bytes, 8, -1);
  EXPECT_EQ(readI64(bytes, 8), -1);
  EXPECT_EQ(bytes[15], 0xFF);
  writeI64(bytes, 8, std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(readI64(bytes, 8), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(bytes[15], 0x80);
  EXPECT_EQ(bytes[8], 0x00);
}

TEST(ByteRecord, AFieldThatDoesNotFitIsNeitherReadNorWritten) {
  const Bytes full(8, 0xFF);
  struct Row {
    std::size_t offset;
    bool fits;
  };
  const std::size_t huge = std::numeric_limits<std::size_t>::max();
  // The last four bytes fit exactly; one further, or an offset that would wrap, does not.
  for (const Row row :
       {Row{4, true}, Row{5, false}, Row{8, false}, Row{huge, false}, Row{huge - 2, false}}) {
    EXPECT_EQ(readU32(full, row.offset), row.fits ? 0xFFFFFFFFu : 0u) << row.offset;
    EXPECT_EQ(readChars(full, row.offset, 4).size(), row.fits ? 4u : 0u) << row.offset;
    Bytes bytes(8, 0);
    writeU32(bytes, row.offset, 0xFFFFFFFFu);
    writeChars(bytes, row.offset, 4, "abcd");
    EXPECT_EQ(bytes == Bytes(8, 0), !row.fits) << row.offset;
  }
  EXPECT_EQ(readI64(full, 1), 0);
  EXPECT_EQ(readU16(full, 7), 0u);
  EXPECT_EQ(readU32(Bytes{}, 0), 0u);
  Bytes empty;
  writeI64(empty, 0, 1);  // nothing to write into, nothing happens
  EXPECT_TRUE(empty.empty());
}

TEST(ByteRecord, TextFieldsAreFixedSize) {
  std::array<std::uint8_t, 8> bytes{};
  bytes.fill('#');
  writeChars(bytes, 1, 5, "ab");
  EXPECT_EQ(readChars(bytes, 0, 8), std::string("#ab\0\0\0##", 8));
  writeChars(bytes, 1, 5, "abcdefgh");  // cut to the field
  EXPECT_EQ(readChars(bytes, 0, 8), "#abcde##");
  writeChars(bytes, 0, 0, "x");
  EXPECT_EQ(readChars(bytes, 0, 8), "#abcde##");
  // Bytes above 127 stay the bytes they were.
  writeChars(bytes, 0, 2, "\xE4\xFC");
  EXPECT_EQ(bytes[0], 0xE4);
  EXPECT_EQ(bytes[1], 0xFC);
}

}  // namespace
}  // namespace slumbrix::record
