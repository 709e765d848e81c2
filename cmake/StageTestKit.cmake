# Gathers the Windows test kit (cmake -P, from the target test_kit): every line of FILES is
# "<folder in the kit>\t<file or folder>", copied into KIT afresh. Programs lose their
# symbols and debug information (STRIP), which keeps the kit a tenth of the size; with
# SOURCE_DATE_EPOCH set, strip writes that time into their headers, so the kit comes out
# the same on every run.
file(REMOVE_RECURSE "${KIT}")
file(STRINGS "${FILES}" entries)
foreach(entry ${entries})
    string(REPLACE "\t" ";" parts "${entry}")
    list(GET parts 0 folder)
    list(GET parts 1 path)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The test kit needs ${path}, which is not there")
    endif()
    file(COPY "${path}" DESTINATION "${KIT}/${folder}")
    cmake_path(GET path FILENAME name)
    if(name MATCHES "\\.(exe|ocx|dll)$")
        execute_process(COMMAND "${STRIP}" --strip-all "${KIT}/${folder}/${name}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
