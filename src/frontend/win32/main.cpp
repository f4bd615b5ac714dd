// The Windows program: the main window on the native window system and the real platform.
//
// windows.h stays out of this file: the core declares the Windows constants it uses under
// their own names (NIM_ADD, WM_MOUSEMOVE, ...), which windows.h would turn into macros. The
// entry point is therefore declared here with plain types; its arguments are not used.
#include "app/frm_main.h"
#include "frontend/win32/win32_window_system.h"
#include "platform/win32/win32_platform.h"

extern "C" int __stdcall WinMain(void* /*instance*/, void* /*previous*/, char* /*commandLine*/,
                                 int /*show*/) {
  slumbrix::Win32Platform platform;
  slumbrix::Win32WindowSystem windowSystem;
  int exitCode = 0;
  {
    slumbrix::frmMain form(windowSystem, platform);
    form.start();
    exitCode = windowSystem.run();
  }
  return exitCode;
}
