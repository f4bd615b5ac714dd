#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/virtual_clock.h"
#include "ui/control.h"
#include "ui/window_system.h"

namespace slumbrix {
class Timer;
}

namespace slumbrix::test {

struct MessageBoxCall {
  std::string text;
  std::uint32_t style;
  std::string title;
};

// A window system without windows. Timers run on virtual elapsed time: advance() moves it and
// the wall clock forward together and raises every due tick in time order, ties in the order
// the timers were enabled. Setting the wall clock (a clock set forward or back, a computer
// that slept) moves no timer, as with real timers. Message boxes are
// recorded and answered with `messageBoxAnswer`. After endProgram() the windows and peers are
// gone and nothing more runs.
class HeadlessWindowSystem : public WindowSystem {
 public:
  HeadlessWindowSystem();
  ~HeadlessWindowSystem() override;

  VirtualClock clock;
  int twipsPerPixel = 15;
  int messageBoxAnswer = kIdOk;
  std::vector<MessageBoxCall> messageBoxes;
  // What was opened as a pop-up menu, by menu name, in order; the captions the last one
  // showed ("-" for a separator line); and the caption of the item the user chooses in the
  // next one (none when empty).
  std::vector<std::string> popups;
  std::vector<std::string> popupShown;
  std::string popupChoice;
  // Show and hide requests, as "show frmMain", "modal frmAbout", "hide frmMain", "minimize
  // frmMain to the taskbar" (or without a taskbar button: "minimize frmMain").
  std::vector<std::string> windowLog;
  // The clipboard's text.
  std::string clipboard;

  // Moves the clock forward, raising every tick that falls due on the way.
  void advance(std::int64_t milliseconds);
  bool ended() const { return ended_; }

  void createPeers(Form& form) override;
  void destroyPeers(Form& form) override;
  void showForm(Form& form, Form* modalOwner) override;
  void hideForm(Form& form) override;
  void minimizeForm(Form& form) override;
  void popupMenu(Form& form, Menu& menu) override;
  int messageBox(const std::string& text, std::uint32_t style, const std::string& title) override;
  std::string clipboardText() const override { return clipboard; }
  void setClipboardText(const std::string& text) override {
    if (!ended_) clipboard = text;
  }
  int twipsPerPixelX() const override { return twipsPerPixel; }
  int twipsPerPixelY() const override { return twipsPerPixel; }
  Handle windowHandle(const Form& form) const override;
  Handle iconHandle(const Form& form) const override;
  void endProgram() override;

 private:
  class TimerPeer;
  friend class TimerPeer;
  struct Schedule {
    std::int64_t due = 0;
    std::uint64_t order = 0;
    bool active = false;
  };
  void reschedule(Timer& timer);

  std::map<Timer*, Schedule> schedules_;
  std::map<const Form*, std::vector<std::unique_ptr<ControlPeer>>> peers_;
  std::map<const Form*, Handle> windows_;
  std::uint64_t enableCounter_ = 0;
  std::int64_t elapsed_ = 0;
  Handle nextWindow_ = 0x10010;
  bool ended_ = false;
};

}  // namespace slumbrix::test
