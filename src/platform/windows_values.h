#pragma once

// The Windows values and record layouts the program uses, once, under names of its own. The
// names differ from windows.h's macros on purpose (a macro ignores namespaces), so any file
// may include this header and windows.h together. The Windows build checks every value here
// against windows.h (platform/win32/windows_values_check.cpp).

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace slumbrix {

// ---- Shell_NotifyIconA -------------------------------------------------------------------
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

// NOTIFYICONDATAA in its first, 88-byte form, little-endian.
struct NotifyIconDataLayout {
  static constexpr std::size_t kSize = 88;
  static constexpr std::size_t kCbSize = 0;
  static constexpr std::size_t kHWnd = 4;
  static constexpr std::size_t kUID = 8;
  static constexpr std::size_t kUFlags = 12;
  static constexpr std::size_t kUCallbackMessage = 16;
  static constexpr std::size_t kHIcon = 20;
  static constexpr std::size_t kSzTip = 24;
  static constexpr std::size_t kTipLength = 64;
};

// ---- Window messages ---------------------------------------------------------------------
// The tray icon's callback message, and the mouse messages it carries in place of x.
inline constexpr std::uint32_t kWmMouseMove = 0x200;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x203;
inline constexpr std::uint32_t kWmRButtonUp = 0x205;
inline constexpr std::uint32_t kWmMButtonUp = 0x208;
// The system command that starts the screen saver; the low four bits of wParam are the
// system's own.
inline constexpr std::uint32_t kWmSysCommand = 0x112;
inline constexpr std::uint32_t kScScreenSave = 0xF140;
inline constexpr std::uint32_t kScCommandMask = 0xFFF0;

// ---- Message boxes -----------------------------------------------------------------------
// The program's message boxes have the OK button alone (the style's low four bits are 0) and
// an icon in the next four bits; the answer is the button pressed.
inline constexpr std::uint32_t kMbOk = 0;
inline constexpr std::uint32_t kMbIconHand = 0x10;
inline constexpr std::uint32_t kMbIconQuestion = 0x20;
inline constexpr std::uint32_t kMbIconExclamation = 0x30;
inline constexpr std::uint32_t kMbIconInformation = 0x40;
inline constexpr std::uint32_t kMbIconMask = 0xF0;
inline constexpr int kIdOk = 1;

// ---- ShellExecuteA -----------------------------------------------------------------------
inline constexpr std::int32_t kSwShowNormal = 1;
// Results of 32 and less are failures.
inline constexpr Handle kSeErrFileNotFound = 2;
inline constexpr Handle kSeErrNoAssociation = 31;

// ---- ExitWindowsEx -----------------------------------------------------------------------
inline constexpr std::uint32_t kEwxLogOff = 0;
inline constexpr std::uint32_t kEwxShutdown = 1;
inline constexpr std::uint32_t kEwxReboot = 2;
inline constexpr std::uint32_t kEwxForce = 4;
inline constexpr std::uint32_t kEwxPowerOff = 8;

// ---- Process token and privileges --------------------------------------------------------
inline constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
inline constexpr std::uint32_t kTokenQuery = 0x8;
inline constexpr std::uint32_t kSePrivilegeEnabled = 2;
inline constexpr const char* kSeShutdownName = "SeShutdownPrivilege";

// TOKEN_PRIVILEGES with one entry, 16 bytes, little-endian; the LUID is LowPart, HighPart.
struct TokenPrivilegesLayout {
  static constexpr std::size_t kSize = 16;
  static constexpr std::size_t kPrivilegeCount = 0;
  static constexpr std::size_t kLuid = 4;
  static constexpr std::size_t kLuidLowPart = 4;
  static constexpr std::size_t kLuidHighPart = 8;
  static constexpr std::size_t kAttributes = 12;
  static constexpr std::size_t kLuidSize = 8;
};

// ---- Processes and threads ---------------------------------------------------------------
// The pseudo-handles GetCurrentProcess and GetCurrentThread answer.
inline constexpr Handle kCurrentProcess = 0xFFFFFFFF;
inline constexpr Handle kCurrentThread = 0xFFFFFFFE;
inline constexpr std::uint32_t kIdlePriorityClass = 0x40;
inline constexpr std::uint32_t kBelowNormalPriorityClass = 0x4000;
inline constexpr std::uint32_t kNormalPriorityClass = 0x20;
inline constexpr std::uint32_t kAboveNormalPriorityClass = 0x8000;
inline constexpr std::uint32_t kHighPriorityClass = 0x80;
inline constexpr std::uint32_t kRealtimePriorityClass = 0x100;
inline constexpr std::int32_t kThreadPriorityIdle = -15;
inline constexpr std::int32_t kThreadPriorityLowest = -2;
inline constexpr std::int32_t kThreadPriorityHighest = 2;
inline constexpr std::int32_t kThreadPriorityTimeCritical = 15;

// ---- Version ------------------------------------------------------------------------------
// OSVERSIONINFOA platform ids.
inline constexpr std::int32_t kVerPlatformWin32s = 0;
inline constexpr std::int32_t kVerPlatformWin32Windows = 1;  // 95, 98, Me
inline constexpr std::int32_t kVerPlatformWin32Nt = 2;
// The bit of GetVersion's word that is set on Win32s and the 95/98/Me family.
inline constexpr std::uint32_t kVersionNotNtBit = 0x80000000;

// OSVERSIONINFOA, 148 bytes, little-endian. The service-pack text is never read.
struct OsVersionInfoLayout {
  static constexpr std::size_t kSize = 148;
  static constexpr std::size_t kOSVersionInfoSize = 0;
  static constexpr std::size_t kMajorVersion = 4;
  static constexpr std::size_t kMinorVersion = 8;
  static constexpr std::size_t kBuildNumber = 12;
  static constexpr std::size_t kPlatformId = 16;
  static constexpr std::size_t kCSDVersion = 20;
  static constexpr std::size_t kCSDVersionLength = 128;
};

// ---- Registry -----------------------------------------------------------------------------
inline constexpr Handle kHkeyDynData = 0x80000006;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorInvalidHandle = 6;

// ---- NtQuerySystemInformation -------------------------------------------------------------
inline constexpr std::int32_t kStatusSuccess = 0;
inline constexpr std::int32_t kStatusUnsuccessful = static_cast<std::int32_t>(0xC0000001);
inline constexpr std::int32_t kStatusInvalidInfoClass = static_cast<std::int32_t>(0xC0000003);
inline constexpr std::int32_t kStatusInfoLengthMismatch = static_cast<std::int32_t>(0xC0000004);

// The three information records the program asks for: their class, their length and the one
// field it reads, little-endian. Times are 64-bit counts of 100 ns.
struct SystemBasicInformationLayout {
  static constexpr std::uint32_t kClass = 0;
  static constexpr std::size_t kSize = 44;
  static constexpr std::size_t kReserved = 0;
  static constexpr std::size_t kMaximumIncrement = 4;
  static constexpr std::size_t kPhysicalPageSize = 8;
  static constexpr std::size_t kNumberOfPhysicalPages = 12;
  static constexpr std::size_t kLowestPhysicalPage = 16;
  static constexpr std::size_t kHighestPhysicalPage = 20;
  static constexpr std::size_t kAllocationGranularity = 24;
  static constexpr std::size_t kLowestUserAddress = 28;   // 32-bit here, pointer-sized natively
  static constexpr std::size_t kHighestUserAddress = 32;  // likewise
  static constexpr std::size_t kActiveProcessors = 36;    // the processor mask, likewise
  static constexpr std::size_t kNumberOfProcessors = 40;  // one byte
};
struct SystemPerformanceInformationLayout {
  static constexpr std::uint32_t kClass = 2;
  static constexpr std::size_t kSize = 312;
  static constexpr std::size_t kIdleTime = 0;  // all processors together
};
struct SystemTimeOfDayInformationLayout {
  static constexpr std::uint32_t kClass = 3;
  static constexpr std::size_t kSize = 32;
  static constexpr std::size_t kCurrentTime = 8;
};

}  // namespace slumbrix
