# Compiler settings shared by every target of the suite.

# Warnings are errors everywhere; the same sources must also build with MSVC, so
# GCC-only extensions are refused by -Wpedantic. (No -Wnon-virtual-dtor: COM interfaces
# have no virtual destructor by design; objects are freed through their own Release.)
function(suite_target_options target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8 /Zc:__cplusplus)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Werror -Wshadow
            -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wnull-dereference)
    endif()
    if(WIN32)
        target_compile_definitions(${target} PRIVATE
            UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)
    endif()
endfunction()

# A portable or Win32 library of the suite.
function(suite_library name)
    add_library(${name} STATIC ${ARGN})
    suite_target_options(${name})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()

# A Windows executable; MinGW links its runtime statically so that the
# programs need no DLLs beside them.
function(suite_windows_executable name)
    add_executable(${name} ${ARGN})
    suite_target_options(${name})
    if(MINGW)
        target_link_options(${name} PRIVATE -static -municode)
    endif()
endfunction()
