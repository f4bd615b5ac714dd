#include "support/headless_window_system.h"

#include <limits>

#include "schedule/date_time.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace slumbrix::test {

// Keeps the schedule of one timer in step with its Enabled and Interval.
class HeadlessWindowSystem::TimerPeer : public ControlPeer {
 public:
  TimerPeer(HeadlessWindowSystem& owner, Timer& timer) : owner_(owner), timer_(timer) {
    owner_.reschedule(timer_);
  }
  ~TimerPeer() override { owner_.schedules_.erase(&timer_); }
  void propertyChanged(Control&, Property property) override {
    if (property == Property::Enabled || property == Property::Interval) owner_.reschedule(timer_);
  }

 private:
  HeadlessWindowSystem& owner_;
  Timer& timer_;
};

HeadlessWindowSystem::HeadlessWindowSystem() {
  clock.set(LocalTime{2026, 12, 6, 10, 0, 0, 0});
}

HeadlessWindowSystem::~HeadlessWindowSystem() = default;

void HeadlessWindowSystem::reschedule(Timer& timer) {
  Schedule& s = schedules_[&timer];
  s.active = timer.running();
  s.due = elapsed_ + timer.Interval();
  s.order = ++enableCounter_;
}

void HeadlessWindowSystem::advance(std::int64_t milliseconds) {
  // Timers run on elapsed time, as real ones do: setting the wall clock moves no tick.
  const std::int64_t target = elapsed_ + milliseconds;
  const std::int64_t wallOffset = clock.milliseconds() - elapsed_;
  while (!ended_) {
    Timer* next = nullptr;
    Schedule best{std::numeric_limits<std::int64_t>::max(), 0, false};
    for (auto& [timer, s] : schedules_) {
      if (!s.active || s.due > target) continue;
      if (s.due < best.due || (s.due == best.due && s.order < best.order)) {
        best = s;
        next = timer;
      }
    }
    if (next == nullptr) break;
    elapsed_ = best.due;
    clock.setMilliseconds(wallOffset + elapsed_);
    schedules_[next].due += next->Interval();
    next->tick();
  }
  if (!ended_) {
    elapsed_ = target;
    clock.setMilliseconds(wallOffset + elapsed_);
  }
}

void HeadlessWindowSystem::createPeers(Form& form) {
  if (ended_) return;
  auto& peers = peers_[&form];
  windows_[&form] = nextWindow_;
  nextWindow_ += 0x10;
  for (Control* c : form.controls()) {
    if (c->kind() != ControlKind::Timer) continue;
    peers.push_back(std::make_unique<TimerPeer>(*this, static_cast<Timer&>(*c)));
    c->setPeer(peers.back().get());
  }
}

void HeadlessWindowSystem::destroyPeers(Form& form) {
  for (Control* c : form.controls()) c->setPeer(nullptr);
  peers_.erase(&form);
  windows_.erase(&form);
}

void HeadlessWindowSystem::showForm(Form& form, Form* modalOwner) {
  if (ended_) return;
  windowLog.push_back((modalOwner != nullptr ? "modal " : "show ") + form.name());
}

void HeadlessWindowSystem::hideForm(Form& form) {
  if (ended_) return;
  windowLog.push_back("hide " + form.name());
}

void HeadlessWindowSystem::minimizeForm(Form& form) {
  if (ended_) return;
  windowLog.push_back("minimize " + form.name() + (form.showInTaskbar ? " to the taskbar" : ""));
}

void HeadlessWindowSystem::popupMenu(Form& form, Menu& menu) {
  if (ended_ || windowHandle(form) == 0) return;
  popups.push_back(menu.name());
  popupShown.clear();
  Menu* chosen = nullptr;
  for (Menu* item : menu.items()) {
    if (!item->Visible()) continue;
    popupShown.push_back(item->isSeparator() ? "-" : item->Caption());
    if (!item->isSeparator() && !popupChoice.empty() && item->Caption() == popupChoice)
      chosen = item;
  }
  if (chosen != nullptr) chosen->click();
}

int HeadlessWindowSystem::messageBox(const std::string& text, std::uint32_t style,
                                     const std::string& title) {
  if (ended_) return 0;
  messageBoxes.push_back(MessageBoxCall{text, style, title});
  return messageBoxAnswer;
}

Handle HeadlessWindowSystem::windowHandle(const Form& form) const {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? 0 : it->second;
}

Handle HeadlessWindowSystem::iconHandle(const Form& form) const {
  const Handle window = windowHandle(form);
  return window == 0 ? 0 : window + 1;
}

void HeadlessWindowSystem::endProgram() {
  ended_ = true;
  for (auto& [form, peers] : peers_)
    for (Control* c : form->controls()) c->setPeer(nullptr);
  peers_.clear();  // the timers' peers take their schedules along
  windows_.clear();
}

}  // namespace slumbrix::test
