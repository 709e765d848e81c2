# The Windows test kit: the tests of the Windows build, the programs they start, the files
# they read, the runner and run-tests.cmd, gathered in build/<preset>/test-kit by the target
# test_kit (scripts/package zips it). Everything is recorded where it is defined:
#   suite_gtest and suite_plain_test record their tests, in the order ctest has them;
#   suite_kit_programs(<target>...)          programs the tests start, at their build place;
#   suite_kit_files(<kit folder> <path>...)  other built files or folders the tests need;
#   suite_kit_sources(<path>...)             source files or folders the tests read, under
#                                            source\ at their place in the source tree.
# suite_test_kit(), called once after every folder, writes the lists and the target.

# How long one test may run, in seconds: under ctest and in the kit alike.
set(SUITE_TEST_TIMEOUT 120)

function(suite_kit_relative variable path)
    set(${variable} "$<PATH:RELATIVE_PATH,${path},${CMAKE_BINARY_DIR}>" PARENT_SCOPE)
endfunction()

# One line of tests.list: "gtest" or "plain", the name ctest gives a plain test, the program.
function(suite_kit_test kind name target)
    suite_kit_relative(program "$<TARGET_FILE:${target}>")
    set_property(GLOBAL APPEND PROPERTY SUITE_KIT_TESTS
                 "${kind}\t${name}\t${SUITE_TEST_TIMEOUT}\t${program}")
    suite_kit_programs(${target})
endfunction()

function(suite_kit_programs)
    foreach(target ${ARGN})
        suite_kit_relative(folder "$<TARGET_FILE_DIR:${target}>")
        suite_kit_files("${folder}" "$<TARGET_FILE:${target}>")
        set_property(GLOBAL APPEND PROPERTY SUITE_KIT_TARGETS ${target})
    endforeach()
endfunction()

function(suite_kit_files folder)
    foreach(path ${ARGN})
        set_property(GLOBAL APPEND PROPERTY SUITE_KIT_FILES "${folder}\t${path}")
    endforeach()
endfunction()

function(suite_kit_sources)
    foreach(path ${ARGN})
        cmake_path(ABSOLUTE_PATH path BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE)
        cmake_path(RELATIVE_PATH path BASE_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE place)
        cmake_path(GET place PARENT_PATH folder)
        suite_kit_files("source/${folder}" "${path}")
    endforeach()
endfunction()

# A test that is one program, run once: its exit code is the verdict, as ctest takes it.
function(suite_plain_test name target)
    add_test(NAME ${name} COMMAND ${target})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${SUITE_TEST_TIMEOUT})
    if(WIN32)
        suite_kit_test(plain ${name} ${target})
    endif()
endfunction()

function(suite_test_kit)
    if(NOT WIN32 OR NOT SUITE_TESTS)
        return()
    endif()
    get_property(tests GLOBAL PROPERTY SUITE_KIT_TESTS)
    get_property(files GLOBAL PROPERTY SUITE_KIT_FILES)
    get_property(targets GLOBAL PROPERTY SUITE_KIT_TARGETS)
    set(lists "${CMAKE_BINARY_DIR}/test-kit-lists")
    list(JOIN tests "\n" text)
    file(GENERATE OUTPUT "${lists}/tests.list" CONTENT "${text}\n")
    list(APPEND files ".\t${lists}/tests.list")
    list(REMOVE_DUPLICATES files)
    list(JOIN files "\n" text)
    file(GENERATE OUTPUT "${lists}/files.list" CONTENT "${text}\n")

    add_custom_target(test_kit
        COMMAND "${CMAKE_COMMAND}" -DFILES=${lists}/files.list -DKIT=${CMAKE_BINARY_DIR}/test-kit
                -DSTRIP=${CMAKE_STRIP} -P "${PROJECT_SOURCE_DIR}/cmake/StageTestKit.cmake"
        COMMENT "Gathering the Windows test kit in test-kit/"
        VERBATIM)
    list(REMOVE_DUPLICATES targets)
    add_dependencies(test_kit ${targets})
endfunction()
