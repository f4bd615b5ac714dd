#pragma once

// The seam between the core's records and the structures of this build. The core builds and
// reads its records in their 32-bit layouts on every build; where a structure's native layout
// differs (pointer-sized fields on the 64-bit build), the record is translated here field by
// field, handles widened and narrowed as handles.h says. On the 32-bit build each
// translation keeps every value and layout as it is.

#include <windows.h>
// after windows.h, which they need
#include <shellapi.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

#include "platform/win32/late_bound.h"
#include "platform/windows_values.h"

namespace slumbrix::win32 {

// The native record for Shell_NotifyIconA from the core's. cbSize is the native size of the
// first form (88 on the 32-bit build, 104 on the 64-bit one), whatever the record says: it
// tells the shell which fields to read, and the fields after the tip stay zero.
NOTIFYICONDATAA toNativeNotifyIconData(const std::uint8_t* record);

// Writes the native basic-information structure into the core's 44-byte record. Addresses
// above 4 GiB read as 0xFFFFFFFF; the processor mask keeps processors 0 to 31.
void toBasicInformationRecord(const SYSTEM_BASIC_INFORMATION& native, std::uint8_t* record);

// NtQuerySystemInformation for the core's buffers. The basic-information class is asked in
// its native form and translated; it needs exactly the record's 44 bytes, as on 32-bit
// Windows, and otherwise fails with the length-mismatch status leaving the buffer alone. The
// other classes the program asks for (performance, time of day) hold only 32- and 64-bit
// counters, laid out alike on both builds, and go straight through.
std::int32_t querySystemInformation(NtQuerySystemInformationFn fn, std::uint32_t informationClass,
                                    std::uint8_t* information, std::uint32_t length,
                                    std::uint32_t* returnLength);

}  // namespace slumbrix::win32
