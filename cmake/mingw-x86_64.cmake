# Cross build for 64-bit Windows (XP x64 and later) with Debian's mingw-w64: slumbrix64.exe,
# also the program the Windows tests run under wine64 where 32-bit programs cannot run.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SLUMBRIX_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
