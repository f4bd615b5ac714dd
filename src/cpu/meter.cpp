// The CPU meter: the number, the eleven-segment bar and the graph of the last 100 samples.
#include "cpu/meter.h"

#include "app/frm_main.h"
#include "ui/numbers.h"

namespace slumbrix {

namespace mdMisc {

void ShiftHistory(UsageHistory& history) {
  for (std::size_t j = 0; j + 1 < kHistoryLength; ++j) history[j] = history[j + 1];
}

void DrawCPUUsage(std::int32_t usage, PictureBox& barBox, PictureBox& graphBox,
                  UsageHistory& history) {
  barBox.setScaleMode(ScaleMode::Pixel);
  for (int i = 0; i <= 10; ++i) {
    const bool lit = usage >= 100 - 10 * i && usage != 0;
    barBox.FilledBox(5, 3 * i + 5, 55, 3 * i + 6, lit ? kLit : kUnlit);
  }
  ShiftHistory(history);
  history[kHistoryLength - 1] = usage;
  graphBox.Cls();
  for (std::size_t k = 0; k + 1 < kHistoryLength; ++k) {
    graphBox.Line(static_cast<double>(k), 100.0 - history[k], static_cast<double>(k + 1),
                  100.0 - history[k + 1], kLit);
  }
}

}  // namespace mdMisc

void frmMain::tmrRefresh_Timer() {
  if (!mCPUUsage) return;
  const std::int32_t usage = mCPUUsage->Query();
  if (usage == -1) {
    // A failed sample stops the meter for the rest of the run; the pictures stay as they are.
    tmrRefresh.setEnabled(false);
    lblCpuUsage.setCaption("?");
    (void)windowSystem().messageBox("Error while retrieving CPU usage", kMbOk, "Slumbrix");
    return;
  }
  mdMisc::DrawCPUUsage(usage, picUsage, picGraph, mlngUsageHistory);
  lblCpuUsage.setCaption(plainDecimal(usage));
}

}  // namespace slumbrix
