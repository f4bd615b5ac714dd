// The demo program of the Wine tests: the demo window on the real window system and platform.
#include "demo/demo_form.h"
#include "frontend/win32/win32_window_system.h"
#include "platform/win32/win32_platform.h"

extern "C" int __stdcall WinMain(void*, void*, char*, int) {
  slumbrix::Win32Platform platform("Slumbrix.Demo");
  slumbrix::Win32WindowSystem windowSystem;
  int exitCode = 0;
  {
    slumbrix::demo::DemoForm form(windowSystem, platform);
    form.start();
    exitCode = windowSystem.run();
  }
  return exitCode;
}
