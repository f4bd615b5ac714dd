#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frm_main.h"
#include "support/fake_platform.h"
#include "support/headless_window_system.h"

namespace slumbrix::test {

// The main window on the headless window system and the recording platform, with the
// platform's present moment following the virtual clock. Times are on 6 December 2026.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    platform.clock = &ws.clock;
    setTime(10, 0, 0, 0);
  }

  // Loads the window as the start-up does, without the start-up's other steps.
  void loadWindow() {
    form.load();
    form.cmbAction.setText("Shutdown");
    form.cmbUnit.setText("Hours");
    form.cmbT.setText("AM");
  }

  void setTime(int hour, int minute, int second, int millisecond = 0, int day = 6) {
    ws.clock.set(LocalTime{2026, 12, day, hour, minute, second, millisecond});
  }

  std::vector<PlatformCall> trayCalls() const { return platform.named("Shell_NotifyIconA"); }

  static std::string tipOf(const PlatformCall& call) {
    const auto& bytes = call.records.at(0);
    std::string tip(bytes.begin() + 24, bytes.begin() + 88);
    return tip.substr(0, tip.find('\0'));
  }

  HeadlessWindowSystem ws;
  FakePlatform platform;
  frmMain form{ws, platform};
};

}  // namespace slumbrix::test
