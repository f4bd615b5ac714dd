# What both Windows cross builds share; the toolchain files set SLUMBRIX_MINGW_PREFIX and
# CMAKE_SYSTEM_PROCESSOR, then include this file.
# The -win32 compilers use native Windows threads, so no winpthreads DLL is needed; the
# runtime libraries are linked in statically, so each program stands alone.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${SLUMBRIX_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${SLUMBRIX_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${SLUMBRIX_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${SLUMBRIX_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${SLUMBRIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 at -O2 reports known false positives inside its own string and algorithm headers: a
# std::string moved into a by-value parameter as "maybe uninitialized", a short literal
# assigned to a std::string as an overlapping memcpy (-Wrestrict), a std::array copy as out
# of bounds (-Warray-bounds) and a vector insert as reading past its source
# (-Wstringop-overread). The warnings stay on in the Linux builds.
set(CMAKE_CXX_FLAGS_INIT
    "-Wno-maybe-uninitialized -Wno-restrict -Wno-array-bounds -Wno-stringop-overread")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine in a throwaway prefix (see tests/wine/wine-exec.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-exec.sh)
