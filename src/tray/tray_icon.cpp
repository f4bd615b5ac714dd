// Sending the tray icon's record to the shell.
#include "app/frm_main.h"

namespace slumbrix {

void frmMain::SendTrayIcon(std::uint32_t message) {
  const auto record = mTrayIcon.toBytes();
  // The shell's answer is not looked at: a failed send leaves the old icon and tooltip.
  (void)platform().Shell_NotifyIconA(message, record.data());
}

}  // namespace slumbrix
