# Fails when a source file differs from what clang-format makes of it.
# Run as: cmake -DSOURCE_DIR=... -DCLANG_FORMAT=... -P CheckFormat.cmake
set(sources)
foreach(folder runtime testing frame clicker follower flatbutton tapnor fendle fuzz tools packaging)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
    list(APPEND sources ${found})
endforeach()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format would change the files above; run scripts/format")
endif()
