// Non-Latin locales on the Linux build: the locale's date and time words reach the labels and
// the tray tooltip as the characters they are, a tooltip cut inside a character ends at the
// last whole one, and the clock and status labels stay on their one line. The locales come
// from the folder that the test setup (test_locales) compiles them into, through LOCPATH.
#include <QLabel>
#include <QSystemTrayIcon>

#include <clocale>
#include <cstdlib>

#include "app/frm_main.h"
#include "frontend/qt/platform_wiring.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/locale_formats.h"
#include "platform/linux/locale_text.h"
#include "platform/windows_values.h"
#include "qt_test_support.h"
#include "schedule/date_time.h"
#include "support/fake_platform.h"
#include "tray/notify_icon_data.h"

namespace slumbrix::test {
namespace {

// Switches the program's time words to a locale for the length of a test.
class LocaleScope {
 public:
  explicit LocaleScope(const char* name) : saved_(std::setlocale(LC_TIME, nullptr)) {
    setenv("LOCPATH", SLUMBRIX_TEST_LOCALES, 1);
    active_ = std::setlocale(LC_TIME, name) != nullptr;
  }
  ~LocaleScope() {
    std::setlocale(LC_TIME, saved_.c_str());
    unsetenv("LOCPATH");
  }
  bool active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

struct LocaleRow {
  const char* name;
  const char* general;  // 6 December 2026 21:05:07 in the general date format
  const char* clock;    // the same on the clock
};

const LocaleRow kLocales[] = {
    {"ja_JP.UTF-8", "2026年12月06日 21時05分07秒", "09:05:07 午後"},
    {"el_GR.UTF-8", "06/12/2026 09:05:07 μμ", "09:05:07 μμ"},
    {"ru_RU.UTF-8", "06.12.2026 21:05:07", "09:05:07 PM"},  // no words of its own
};

TEST(NonLatinLocales, DateAndClockTextsDecodeAsTheLocalesCharacters) {
  const DateTime moment = datetime::fromParts(2026, 12, 6, 21, 5, 7);
  for (const LocaleRow& row : kLocales) {
    const LocaleScope scope(row.name);
    ASSERT_TRUE(scope.active())
        << row.name << " is missing: run the tests through ctest, whose test_locales makes it";
    const LocaleFormats locale = currentLocaleFormats();
    EXPECT_EQ(fromLocaleText(datetime::formatGeneral(moment, locale)),
              QString::fromUtf8(row.general))
        << row.name;
    EXPECT_EQ(fromLocaleText(datetime::formatClock(moment, locale)), QString::fromUtf8(row.clock))
        << row.name;
  }
}

TEST(NonLatinLocales, TextCutInsideACharacterEndsAtTheLastWholeOne) {
  const std::string text = "Shutdown on 2026年12月";  // 年 and 月 take three bytes each
  const std::pair<std::size_t, const char*> rows[] = {
      {16, "Shutdown on 2026"},       {17, "Shutdown on 2026"},     {18, "Shutdown on 2026"},
      {19, "Shutdown on 2026年"},     {21, "Shutdown on 2026年12"}, {23, "Shutdown on 2026年12"},
      {24, "Shutdown on 2026年12月"},
  };
  for (const auto& [cut, shown] : rows)
    EXPECT_EQ(fromLocaleText(std::string_view(text).substr(0, cut)), QString::fromUtf8(shown))
        << cut;
  EXPECT_EQ(toLocaleText(QString::fromUtf8("午後")), "午後");
}

class NonLatinWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.setOnEnd([] {});
    platform.time = LocalTime{2026, 12, 6, 21, 5, 7, 0};
  }
  QtWindowSystem ws;
  FakePlatform platform;
};

TEST_F(NonLatinWindow, ClockAndStatusLabelsKeepToOneLine) {
  for (const LocaleRow& row : kLocales) {
    const LocaleScope scope(row.name);
    ASSERT_TRUE(scope.active()) << row.name;
    platform.locale = currentLocaleFormats();
    frmMain form{ws, platform};
    form.start();
    form.thetime_Timer();
    auto* clock = widgetOf<QLabel>(form.lbltime);
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->text(), QString::fromUtf8(row.clock)) << row.name;
    auto* status = widgetOf<QLabel>(form.lblStatus);
    form.lblStatus.setCaption("-2147483648 Seconds to the execution, and more besides that");
    for (QLabel* label : {clock, status}) {
      EXPECT_FALSE(label->wordWrap()) << row.name;
      EXPECT_LE(label->sizeHint().height(), label->height() + 1) << row.name;
    }
  }
}

using NonLatinTray = MainWindowWidgets;

TEST_F(NonLatinTray, TooltipCutInsideACharacterShowsTheWholeOnes) {
  LinuxPlatform platform;
  connectPlatform(platform, ws);
  // The record keeps 63 bytes of the tip: "Shutdown on x", sixteen times 年 and two thirds of
  // the seventeenth.
  std::string tip = "Shutdown on x";
  for (int i = 0; i < 20; ++i) tip += "年";
  NotifyIconData record;
  record.hWnd = ws.windowHandle(form);
  record.cbSize = NotifyIconData::kSize;
  record.uID = 1;
  record.uFlags = kNifMessage | kNifIcon | kNifTip;
  record.uCallbackMessage = kWmMouseMove;
  record.hIcon = ws.iconHandle(form);
  record.setTip(tip);
  const auto bytes = record.toBytes();
  platform.Shell_NotifyIconA(0, bytes.data());
  QSystemTrayIcon* icon = platform.trayIcons().icon(record.hWnd, 1);
  ASSERT_NE(icon, nullptr);
  QString expected = QStringLiteral("Shutdown on x");
  for (int i = 0; i < 16; ++i) expected += QString::fromUtf8("年");
  EXPECT_EQ(icon->toolTip(), expected);
  platform.Shell_NotifyIconA(2, bytes.data());
}

}  // namespace
}  // namespace slumbrix::test
