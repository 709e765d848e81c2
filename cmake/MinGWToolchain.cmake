# What both MinGW-w64 toolchain files share: Debian's compilers of one target triple
# (SUITE_MINGW_PREFIX, POSIX thread model), its resource and IDL compilers, and its sysroot.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${SUITE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SUITE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SUITE_MINGW_PREFIX}-windres)
set(SUITE_WIDL ${SUITE_MINGW_PREFIX}-widl CACHE FILEPATH "IDL compiler")

set(CMAKE_FIND_ROOT_PATH /usr/${SUITE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
