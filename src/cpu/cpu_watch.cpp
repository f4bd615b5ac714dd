// The CPU watch: fires the chosen action on the first tick that finds the meter's figure
// below the threshold.
#include <charconv>
#include <optional>

#include "app/frm_main.h"
#include "ui/numbers.h"

namespace slumbrix {
namespace {

// The meter's label as a whole number; nothing for "?" or any other text.
std::optional<std::int64_t> meterFigure(const std::string& caption) {
  std::int64_t value = 0;
  const char* end = caption.data() + caption.size();
  const auto [ptr, error] = std::from_chars(caption.data(), end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

void frmMain::timercpushut_Timer() {
  const auto usage = meterFigure(lblCpuUsage.Caption());
  const double threshold = leadingNumber(txtAuslastung.Text());
  if (!usage || static_cast<double>(*usage) >= threshold) return;
  // The action and the force option are read from the controls now, not at arming.
  mstrAction = cmbAction.Text();
  mblnForce = toVb(chkForce.Value() != 0);
  PerformAction();
  ExitProgram();
}

}  // namespace slumbrix
