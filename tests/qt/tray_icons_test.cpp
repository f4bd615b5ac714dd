// The tray record becomes a Qt tray icon, and what happens on the icon comes back to the form
// as the shell's mouse message.
#include <QSystemTrayIcon>

#include <array>
#include <cstring>

#include "frontend/qt/platform_wiring.h"
#include "platform/linux/linux_platform.h"
#include "qt_test_support.h"

namespace slumbrix::test {
namespace {

using Record = std::array<std::uint8_t, 88>;

void putWord(Record& record, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The record as the program sends it: the tip, a NUL, then blanks.
Record trayRecord(Handle window, Handle icon, const std::string& tip) {
  Record record{};
  putWord(record, 0, 88);
  putWord(record, 4, window);
  putWord(record, 8, 1);
  putWord(record, 12, 7);
  putWord(record, 16, 0x200);
  putWord(record, 20, icon);
  std::memset(record.data() + 24, ' ', 64);
  std::memcpy(record.data() + 24, tip.data(), std::min<std::size_t>(tip.size(), 64));
  if (tip.size() < 64) record[24 + tip.size()] = 0;
  return record;
}

// The Linux platform's tray beside the real main window, whose mouse moves are recorded.
class TrayTest : public MainWindowWidgets {
 protected:
  void SetUp() override {
    MainWindowWidgets::SetUp();
    connectPlatform(linuxPlatform, ws);
    handle = ws.windowHandle(form);
    form.MouseMove = [this](int, int, double x, double) {
      events.push_back("mouse " + std::to_string(static_cast<int>(x)));
    };
  }
  QSystemTrayIcon* icon() { return linuxPlatform.trayIcons().icon(handle, 1); }

  LinuxPlatform linuxPlatform;
  Handle handle = 0;
  std::vector<std::string> events;
};

TEST_F(TrayTest, TheRecordBecomesTheIcon) {
  const Record added = trayRecord(handle, ws.iconHandle(form), "No action started");
  linuxPlatform.Shell_NotifyIconA(0, added.data());
  ASSERT_NE(icon(), nullptr);
  EXPECT_EQ(icon()->toolTip(), "No action started");
  EXPECT_FALSE(icon()->icon().isNull());
  EXPECT_EQ(linuxPlatform.Shell_NotifyIconA(0, added.data()), 0);  // the same icon twice

  // The blank phase of flashing: an icon of the same size with nothing in it.
  linuxPlatform.Shell_NotifyIconA(1, trayRecord(handle, 0, "Reboot on 12/7/2026").data());
  EXPECT_EQ(icon()->toolTip(), "Reboot on 12/7/2026");
  const QImage blank = icon()->icon().pixmap(32, 32).toImage();
  EXPECT_EQ(blank.size(), QSize(32, 32));
  EXPECT_EQ(blank.pixelColor(16, 16).alpha(), 0);

  // A tip without its NUL is read to the end of its field.
  linuxPlatform.Shell_NotifyIconA(1, trayRecord(handle, 0, std::string(64, 'x')).data());
  EXPECT_EQ(icon()->toolTip(), QString(64, 'x'));

  EXPECT_EQ(linuxPlatform.Shell_NotifyIconA(2, added.data()), 1);
  EXPECT_EQ(icon(), nullptr);
  EXPECT_EQ(linuxPlatform.Shell_NotifyIconA(1, added.data()), 0);
}

TEST_F(TrayTest, ClicksComeBackAsTheShellsMouseMessages) {
  linuxPlatform.Shell_NotifyIconA(0, trayRecord(handle, ws.iconHandle(form), "Slumbrix").data());
  ASSERT_NE(icon(), nullptr);
  const std::pair<QSystemTrayIcon::ActivationReason, const char*> rows[] = {
      {QSystemTrayIcon::Trigger, "mouse 7725"},  // 515 x 15: the primary action
      {QSystemTrayIcon::DoubleClick, "mouse 7725"},
      {QSystemTrayIcon::Context, "mouse 7755"},  // 517 x 15
  };
  for (const auto& [reason, expected] : rows) {
    events.clear();
    emit icon()->activated(reason);
    EXPECT_TRUE(events.empty());  // not from inside the tray's own call
    QCoreApplication::processEvents();
    EXPECT_EQ(events, std::vector<std::string>{expected});
  }
  // The icon carries no menu of its own: the program opens its pop-up menu itself.
  EXPECT_EQ(icon()->contextMenu(), nullptr);
}

TEST_F(TrayTest, WindowsAndTheScreenSaverMessageNeedAnExistingWindow) {
  EXPECT_EQ(linuxPlatform.SendMessageA(handle + 0x1000, 0x112, 0xF140, 0), 0);
  EXPECT_EQ(linuxPlatform.SetForegroundWindow(handle + 0x1000), 0);
  EXPECT_EQ(linuxPlatform.SetForegroundWindow(handle), 1);
}

}  // namespace
}  // namespace slumbrix::test
