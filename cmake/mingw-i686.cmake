# Cross build for 32-bit Windows (95 to XP) with Debian's mingw-w64: slumbrix.exe.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SLUMBRIX_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
