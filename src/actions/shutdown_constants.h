#pragma once

#include <cstdint>

namespace slumbrix {

// ExitWindowsEx flags.
inline constexpr std::uint32_t EWX_LOGOFF = 0;
inline constexpr std::uint32_t EWX_SHUTDOWN = 1;
inline constexpr std::uint32_t EWX_REBOOT = 2;
inline constexpr std::uint32_t EWX_FORCE = 4;
inline constexpr std::uint32_t EWX_POWEROFF = 8;

// Access to the process token for a privilege change.
inline constexpr std::uint32_t TOKEN_ADJUST_PRIVILEGES = 0x20;
inline constexpr std::uint32_t TOKEN_QUERY = 0x8;
inline constexpr std::uint32_t SE_PRIVILEGE_ENABLED = 2;
inline constexpr const char* SE_SHUTDOWN_NAME = "SeShutdownPrivilege";

// The system command that starts the screen saver.
inline constexpr std::uint32_t WM_SYSCOMMAND = 0x112;
inline constexpr std::uint32_t SC_SCREENSAVE = 0xF140;

// OSVERSIONINFO platform ids, which are also the platform classes of WindowsVersionInfo.
inline constexpr std::int32_t kPlatformWin32s = 0;
inline constexpr std::int32_t kPlatformWindows = 1;  // 95, 98, Me
inline constexpr std::int32_t kPlatformNt = 2;

}  // namespace slumbrix
