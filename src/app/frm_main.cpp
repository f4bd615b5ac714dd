#include "app/frm_main.h"

#include "app/frm_about.h"

namespace slumbrix {

frmMain::frmMain(WindowSystem& windowSystem, Platform& platform)
    : Form("frmMain", windowSystem), platform_(platform) {
  layout();
  connectHandlers();
}

frmMain::~frmMain() = default;

Handle frmMain::hWnd() const { return const_cast<frmMain*>(this)->windowSystem().windowHandle(*this); }

Handle frmMain::iconHandle() const {
  return const_cast<frmMain*>(this)->windowSystem().iconHandle(*this);
}

void frmMain::layout() {}
void frmMain::connectHandlers() {}

}  // namespace slumbrix
