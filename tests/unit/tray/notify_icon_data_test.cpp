#include "tray/notify_icon_data.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/byte_record.h"
#include "platform/windows_values.h"

namespace slumbrix {
namespace {

using L = NotifyIconDataLayout;

TEST(NotifyIconData, RecordIs88LittleEndianBytes) {
  NotifyIconData data;
  data.cbSize = L::kSize;
  data.hWnd = 0x12345678;
  data.uID = 1;
  data.uFlags = kNifMessage | kNifIcon | kNifTip;
  data.uCallbackMessage = kWmMouseMove;
  data.hIcon = 0xCAFE;
  data.setTip("No action started");
  const auto bytes = data.toBytes();
  ASSERT_EQ(bytes.size(), 88u);
  EXPECT_EQ(record::readU32(bytes, L::kCbSize), 88u);
  EXPECT_EQ(bytes[L::kHWnd], 0x78);  // the low byte first
  EXPECT_EQ(record::readU32(bytes, L::kHWnd), 0x12345678u);
  EXPECT_EQ(record::readU32(bytes, L::kUID), 1u);
  EXPECT_EQ(record::readU32(bytes, L::kUFlags), 7u);
  EXPECT_EQ(record::readU32(bytes, L::kUCallbackMessage), 512u);
  EXPECT_EQ(record::readU32(bytes, L::kHIcon), 0xCAFEu);
  EXPECT_EQ(std::memcmp(&bytes[L::kSzTip], "No action started", 17), 0);
  EXPECT_EQ(bytes[L::kSzTip + 17], 0);
  for (std::size_t i = L::kSzTip + 18; i < L::kSize; ++i) EXPECT_EQ(bytes[i], ' ') << i;
}

TEST(NotifyIconData, TipKeepsItsNulInsideTheField) {
  struct Row {
    std::size_t length;
    std::size_t kept;
  };
  for (const Row row : {Row{0, 0}, Row{62, 62}, Row{63, 63}, Row{64, 63}, Row{200, 63}}) {
    NotifyIconData data;
    const std::string text(row.length, 'x');
    data.setTip(text);
    ASSERT_EQ(data.szTip.size(), 64u);
    EXPECT_EQ(data.tipText(), std::string(row.kept, 'x')) << row.length;
    const auto bytes = data.toBytes();
    EXPECT_EQ(bytes[L::kSzTip + row.kept], 0) << row.length;
  }
}

TEST(NotifyIconData, ANewTipOverwritesALongerOne) {
  NotifyIconData data;
  data.setTip("Start Screensaver on 12/31/2026 11:59:59 PM");
  data.setTip("No action started");
  EXPECT_EQ(data.tipText(), "No action started");
  EXPECT_EQ(data.szTip.substr(18), std::string(46, ' '));
}

}  // namespace
}  // namespace slumbrix
