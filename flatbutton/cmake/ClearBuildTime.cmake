# Overwrites the time that widl writes into a type library, twice: as text ("Created by
# WIDL version 7.0 at Mon Dec  7 16:11:11 2026", which keeps its length) and as the time
# stamp value that follows it (VT_UI4, padded with 'W' bytes), so that two builds give the
# same bytes.
#   cmake -DFILE=library.tlb -P ClearBuildTime.cmake
file(READ "${FILE}" hex HEX)
string(HEX "Created by WIDL version " signature)
string(FIND "${hex}" "${signature}" start)
string(HEX " at " separator)
if(start GREATER_EQUAL 0)
    string(SUBSTRING "${hex}" ${start} 200 text)
    string(FIND "${text}" "${separator}" at)
endif()
math(EXPR even "${start} % 2")
if(start LESS 0 OR at LESS 0 OR NOT even EQUAL 0)
    message(FATAL_ERROR "no widl build time in ${FILE}")
endif()
math(EXPR offset "(${start} + ${at} + 8) / 2")
set(epoch "Thu Jan  1 00:00:00 1970")
execute_process(
    COMMAND sh -c "printf '%s' '${epoch}' | dd of='${FILE}' bs=1 seek=${offset} conv=notrunc status=none"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not write ${FILE}")
endif()

# The time stamp: after the text's line end, the padding, then VT_UI4 (13 00) and 4 bytes.
math(EXPR index "${start} + ${at} + 8 + 48")
string(LENGTH "${hex}" length)
while(index LESS length)
    string(SUBSTRING "${hex}" ${index} 2 byte)
    math(EXPR index "${index} + 2")
    if(byte STREQUAL "0a")
        break()
    endif()
endwhile()
while(index LESS length)
    string(SUBSTRING "${hex}" ${index} 2 byte)
    if(NOT byte STREQUAL "57")
        break()
    endif()
    math(EXPR index "${index} + 2")
endwhile()
string(SUBSTRING "${hex}" ${index} 4 type)
if(NOT type STREQUAL "1300")
    message(FATAL_ERROR "no widl time stamp after the text in ${FILE}")
endif()
math(EXPR offset "(${index} + 4) / 2")
execute_process(
    COMMAND dd if=/dev/zero of=${FILE} bs=1 count=4 seek=${offset} conv=notrunc status=none
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not write ${FILE}")
endif()
