// The tray icon's record through the run: added at start-up (and again in each new
// notification area), its tooltip set on arming and restored on disarming, flashed by the
// countdown, deleted on the exit path. Each step sets
// its fields of mTrayIcon and sends the whole record.
#include "app/frm_main.h"
#include "platform/windows_values.h"

namespace slumbrix {
namespace {

constexpr const char* kNoActionStarted = "No action started";

}  // namespace

void frmMain::AddTrayIcon() {
  // The fields in the order the program has always set them.
  mTrayIcon.cbSize = NotifyIconData::kSize;
  mTrayIcon.hIcon = iconHandle();
  mTrayIcon.hWnd = hWnd();
  mTrayIcon.setTip(kNoActionStarted);
  mTrayIcon.uCallbackMessage = kWmMouseMove;
  mTrayIcon.uFlags = kNifMessage | kNifIcon | kNifTip;
  mTrayIcon.uID = 1;
  SetTrayShown(SendTrayIcon(kNimAdd));
}

void frmMain::ShowTrayTip(const std::string& text) {
  mTrayIcon.setTip(text);
  SendTrayIcon(kNimModify);
}

void frmMain::RestoreTrayIcon() {
  mTrayIcon.hIcon = iconHandle();  // undoes a blank icon left by flashing
  mTrayIcon.setTip(kNoActionStarted);
  SendTrayIcon(kNimModify);
}

void frmMain::FlashTrayIcon() {
  // The phase carries over from one countdown to the next: nothing resets it.
  mTrayIcon.hIcon = isTrue(mintBlinkPhase) ? iconHandle() : 0;
  SendTrayIcon(kNimModify);
  mintBlinkPhase = toVb(!isTrue(mintBlinkPhase));
}

void frmMain::DeleteTrayIcon() {
  SendTrayIcon(kNimDelete);
}

bool frmMain::SendTrayIcon(std::uint32_t message) {
  const auto record = mTrayIcon.toBytes();
  // A failed change leaves the old icon and tooltip; only the addition's answer is looked at.
  return platform().Shell_NotifyIconA(message, record.data()) != 0;
}

}  // namespace slumbrix
