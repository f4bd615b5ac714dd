#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "platform/byte_record.h"
#include "platform/windows_values.h"

namespace slumbrix::test {
namespace {

using TrayIcon = MainWindowTest;

// The record the shell gets at start-up, read as the shell reads it: without the message
// flag the icon's clicks never come back (no double-click, no menu), without the tip flag
// there is never a tooltip.
TEST_F(TrayIcon, StartUpAddsTheIconWithTheWholeRecord) {
  form.start();
  const auto sends = trayCalls();
  ASSERT_EQ(sends.size(), 1u);
  EXPECT_EQ(sends[0].args[0], 0);  // NIM_ADD
  const std::vector<std::uint8_t>& bytes = sends[0].records.at(0);
  using L = NotifyIconDataLayout;
  ASSERT_EQ(bytes.size(), 88u);
  EXPECT_EQ(record::readU32(bytes, L::kCbSize), 88u);
  EXPECT_EQ(record::readU32(bytes, L::kHWnd), form.hWnd());
  EXPECT_EQ(record::readU32(bytes, L::kUID), 1u);
  EXPECT_EQ(record::readU32(bytes, L::kUFlags), 1u | 2u | 4u);  // NIF_MESSAGE | NIF_ICON | NIF_TIP
  EXPECT_EQ(record::readU32(bytes, L::kUCallbackMessage), 0x200u);  // WM_MOUSEMOVE
  EXPECT_EQ(record::readU32(bytes, L::kHIcon), form.iconHandle());
  EXPECT_NE(form.iconHandle(), 0u);
  EXPECT_NE(form.hWnd(), 0u);
  EXPECT_EQ(record::readChars(bytes, L::kSzTip, 18), std::string("No action started\0", 18));
  EXPECT_EQ(record::readChars(bytes, L::kSzTip + 18, 46), std::string(46, ' '));
}

// Each modify send hands the shell the whole record again: a send without the icon flag
// leaves the flashing icon as it was, one without the message flag loses the clicks.
TEST_F(TrayIcon, EveryModifySendOfTheArmedIconCarriesTheWholeRecord) {
  form.start();
  form.cmbUnit.setText("Seconds");
  form.txtPeriod.setText("6");
  form.vsBlink.setValue(5);
  platform.clear();
  ASSERT_TRUE(form.cmdTimer.click());  // the tooltip
  ws.advance(3000);                    // flashing
  ASSERT_TRUE(form.cmdTimer.click());  // disarmed: the icon and tooltip restored
  const auto sends = trayCalls();
  int blank = 0;
  for (const auto& send : sends) {
    EXPECT_EQ(send.args[0], kNimModify);
    const std::vector<std::uint8_t>& bytes = send.records.at(0);
    EXPECT_EQ(record::readU32(bytes, 0), 88u);
    EXPECT_EQ(record::readU32(bytes, 4), form.hWnd());
    EXPECT_EQ(record::readU32(bytes, 8), 1u);
    EXPECT_EQ(record::readU32(bytes, 12), 1u | 2u | 4u);  // NIF_MESSAGE | NIF_ICON | NIF_TIP
    EXPECT_EQ(record::readU32(bytes, 16), 0x200u);
    if (record::readU32(bytes, 20) == 0) ++blank;
  }
  EXPECT_GE(sends.size(), 6u);
  EXPECT_GE(blank, 2) << "the icon flashed";
  EXPECT_EQ(record::readU32(sends.back().records.at(0), 20), form.iconHandle());
  EXPECT_EQ(tipOf(sends.back()), "No action started");
}

}  // namespace
}  // namespace slumbrix::test
