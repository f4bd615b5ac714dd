// The Windows program: the main window on the native window system and the real platform.
#include <windows.h>

#include "app/frm_main.h"
#include "frontend/win32/win32_window_system.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
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
