# Overwrites the time that widl writes into a type library, so that two builds give the
# same bytes: the text "Created by WIDL version 7.0 at Mon Dec  7 16:11:11 2026" (which
# keeps its length) and the same time as a number, the VT_UI4 custom data entry (type
# 0x0013, then the value) that follows the text.
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

string(LENGTH "${epoch}" length)
math(EXPR after "(${offset} + ${length}) * 2")
string(SUBSTRING "${hex}" ${after} 24 following)
string(FIND "${following}" "1300" type)
math(EXPR even "${type} % 2")
if(type LESS 0 OR NOT even EQUAL 0)
    message(FATAL_ERROR "no widl build time number in ${FILE}")
endif()
math(EXPR offset "${after} / 2 + ${type} / 2 + 2")
execute_process(
    COMMAND sh -c "printf '\\000\\000\\000\\000' | dd of='${FILE}' bs=1 seek=${offset} conv=notrunc status=none"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not write ${FILE}")
endif()
