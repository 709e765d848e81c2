# Cross-compiling for 64-bit Windows with Debian's clang and lld, against the MinGW-w64
# headers and libraries and the C++ library of Debian's MinGW-w64 GCC.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SUITE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${SUITE_MINGW_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${SUITE_MINGW_PREFIX})
set(CMAKE_RC_COMPILER ${SUITE_MINGW_PREFIX}-windres)
set(SUITE_WIDL ${SUITE_MINGW_PREFIX}-widl CACHE FILEPATH "IDL compiler")

# Clang 14 does not find Debian's "12-posix" GCC folder by itself: name its C++ headers
# and libraries, and the thread library that the -posix GCC adds on its own (lld finds
# archive members wherever the library stands on the command line).
file(GLOB SUITE_MINGW_GCC_DIRS "/usr/lib/gcc/${SUITE_MINGW_PREFIX}/*-posix")
list(GET SUITE_MINGW_GCC_DIRS -1 SUITE_MINGW_GCC_DIR)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${SUITE_MINGW_GCC_DIR}/include/c++ \
-isystem ${SUITE_MINGW_GCC_DIR}/include/c++/${SUITE_MINGW_PREFIX} \
-isystem ${SUITE_MINGW_GCC_DIR}/include/c++/backward")
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -L${SUITE_MINGW_GCC_DIR} -lpthread")
endforeach()

set(CMAKE_FIND_ROOT_PATH /usr/${SUITE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
