# GoogleTest is built from Debian's sources, for the host and for MinGW alike.
# Release builds turn SUITE_TESTS off: they then need no GoogleTest, and the test
# executables stay out of the default build.
option(SUITE_TESTS "Build the tests (needs GoogleTest's sources)" ON)
set(SUITE_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree")

if(SUITE_TESTS)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory("${SUITE_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
    include(GoogleTest)
endif()

# A GoogleTest executable whose cases become ctest tests. On the Windows build the
# cases are listed and run through the Wine emulator, when ctest runs, and the program
# goes into the Windows test kit, whose runner lists and runs them the same way.
#   suite_gtest(<name> [LABEL <label> CASES <filter>] <source>...)
# LABEL marks the cases that the GoogleTest filter CASES matches for `ctest -L <label>`:
# scripts/test runs the two-monitor cases again in a session of two monitors.
function(suite_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "LABEL;CASES" "")
    if(NOT SUITE_TESTS)
        add_executable(${name} EXCLUDE_FROM_ALL ${arg_UNPARSED_ARGUMENTS})
        return()
    endif()
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    suite_target_options(${name})
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    if(MINGW)
        target_link_options(${name} PRIVATE -static)
    endif()
    set(discovery DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES)
    if(arg_LABEL)
        gtest_discover_tests(${name} ${discovery} TEST_FILTER "-${arg_CASES}"
                             PROPERTIES TIMEOUT ${SUITE_TEST_TIMEOUT})
        gtest_discover_tests(${name} ${discovery} TEST_FILTER "${arg_CASES}"
                             PROPERTIES TIMEOUT ${SUITE_TEST_TIMEOUT} LABELS ${arg_LABEL})
    else()
        gtest_discover_tests(${name} ${discovery} PROPERTIES TIMEOUT ${SUITE_TEST_TIMEOUT})
    endif()
    if(WIN32)
        suite_kit_test(gtest ${name} ${name})
    endif()
endfunction()
