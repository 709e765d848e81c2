# Cross-compiling for 32-bit Windows with Debian's MinGW-w64 (POSIX thread model).
# These machines cannot run 32-bit programs, so there is no emulator: the x86 build is
# checked statically (scripts/test).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(SUITE_MINGW_PREFIX i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake")
