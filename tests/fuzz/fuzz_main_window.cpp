// Turns its input into user actions on the main window (typing, pasting arbitrary bytes,
// arrows, mode clicks, arming, disarming, virtual time) and checks after each one that the
// number fields hold their bounds and that no action fired while the armed target lay ahead.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/frm_main.h"
#include "schedule/zone_time.h"
#include "support/fake_platform.h"
#include "support/headless_window_system.h"
#include "ui/numbers.h"

namespace {

using namespace slumbrix;

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string bytes(std::size_t max) {
    const std::size_t n = std::min<std::size_t>(byte() % (max + 1), size_ - pos_);
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

void check(bool condition) {
  if (!condition) std::abort();
}

void checkInvariant(frmMain& form) {
  const std::pair<TextBox*, VScrollBar*> pairs[] = {{&form.txtPeriod, &form.vsPeriod},
                                                    {&form.txtHour, &form.vsHour},
                                                    {&form.txtMin, &form.vsMin},
                                                    {&form.txtBlink, &form.vsBlink}};
  for (const auto& [field, spin] : pairs) {
    const double low = std::min(spin->Min(), spin->Max());
    const double high = std::max(spin->Min(), spin->Max());
    check(spin->Value() >= low && spin->Value() <= high);
    const double reading = leadingNumber(field->Text());
    check(reading >= low && reading <= high);
  }
  check(form.vsAuslastung.Value() >= 1 && form.vsAuslastung.Value() <= 100);
}

TextBox& field(frmMain& form, std::uint8_t which) {
  TextBox* fields[] = {&form.txtPeriod, &form.txtHour, &form.txtMin, &form.txtBlink,
                       &form.txtAuslastung};
  return *fields[which % 5];
}

VScrollBar& spin(frmMain& form, std::uint8_t which) {
  VScrollBar* spins[] = {&form.vsPeriod, &form.vsHour, &form.vsMin, &form.vsBlink,
                         &form.vsAuslastung};
  return *spins[which % 5];
}

void act(frmMain& form, test::HeadlessWindowSystem& ws, Input& in) {
  switch (in.byte() % 12) {
    case 0:
      field(form, in.byte()).typeChar(static_cast<std::int16_t>(in.byte()));
      break;
    case 1:
      field(form, in.byte()).paste(in.bytes(8));
      break;
    case 2:
      field(form, in.byte()).replaceText(in.bytes(8));
      break;
    case 3:
      field(form, in.byte()).pressDelete();
      break;
    case 4:
      field(form, in.byte()).select(in.byte() % 6, in.byte() % 6);
      break;
    case 5:
      spin(form, in.byte()).arrowUp();
      break;
    case 6:
      spin(form, in.byte()).arrowDown();
      break;
    case 7: {
      OptionButton* modes[] = {&form.opt0, &form.opt1, &form.Option1};
      modes[in.byte() % 3]->click();
      break;
    }
    case 8:
      form.cmdTimer.click();
      break;
    case 9:
      form.cmbAction.choose(in.byte() % 6);
      break;
    case 10:
      form.cmbUnit.choose(in.byte() % 3);
      break;
    default:
      ws.advance(in.byte() * 40);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  test::HeadlessWindowSystem ws;
  test::FakePlatform platform;
  platform.clock = &ws.clock;
  frmMain form(ws, platform);
  form.start();
  form.tmrRefresh.setEnabled(false);
  form.lblCpuUsage.setCaption(std::to_string(in.byte()));  // a figure for the CPU watch
  while (!in.empty() && !ws.ended()) {
    const int before = platform.actionsPerformed();
    act(form, ws, in);
    if (ws.ended()) break;
    checkInvariant(form);
    check(platform.actionsPerformed() == before);  // only a firing performs, and it ends
  }
  if (ws.ended()) {
    check(platform.actionsPerformed() <= 1);
    const auto now = datetime::toSeconds(PresentUtc(platform));
    if (!form.timercpushut.Enabled()) check(now >= datetime::toSeconds(form.mdatTarget));
  }
  return 0;
}
