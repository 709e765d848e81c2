# Cross-compiling for 32-bit Windows with Debian's MinGW-w64 (POSIX thread model).
# These machines cannot run 32-bit programs, so there is no emulator: the x86 build is
# checked statically (scripts/test).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(SUITE_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${SUITE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SUITE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SUITE_MINGW_PREFIX}-windres)
set(SUITE_WIDL ${SUITE_MINGW_PREFIX}-widl CACHE FILEPATH "IDL compiler")

set(CMAKE_FIND_ROOT_PATH /usr/${SUITE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
