# Checks every C++ source of the suite's folders against the checked-in .clang-format, or,
# with -DFIX=ON, rewrites them.
# Run as: cmake -DSOURCE_DIR=... -DCLANG_FORMAT=... [-DFIX=ON] -P SourceFormat.cmake
include("${CMAKE_CURRENT_LIST_DIR}/SuiteFolders.cmake")
set(sources)
foreach(folder ${SUITE_FOLDERS})
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
    list(APPEND sources ${found})
endforeach()
if(FIX)
    execute_process(COMMAND "${CLANG_FORMAT}" -i ${sources} RESULT_VARIABLE result)
else()
    execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
                    RESULT_VARIABLE result)
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format would change the files above; run scripts/format")
endif()
