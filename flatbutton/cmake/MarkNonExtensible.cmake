# Copies a type library and sets TYPEFLAG_FNONEXTENSIBLE on one of its dispinterfaces,
# which widl cannot express in IDL.
#   cmake -DINPUT=in.tlb -DOUTPUT=out.tlb -DGUID=xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx
#         -P MarkNonExtensible.cmake
# The type library is in the MSFT format: a 0x54-byte header (4 more bytes with a help
# DLL), an offset per type information, a directory of 16-byte segment entries (the first
# the table of 0x64-byte type information records, the sixth the GUID table); a record
# has its GUID's position in the GUID table at 0x2C and its type flags at 0x30.
file(READ "${INPUT}" hex HEX)

function(read_int offset variable)
    math(EXPR at "${offset} * 2")
    set(value "")
    foreach(byte 3 2 1 0)
        math(EXPR position "${at} + ${byte} * 2")
        string(SUBSTRING "${hex}" ${position} 2 digits)
        string(APPEND value "${digits}")
    endforeach()
    math(EXPR value "0x${value}")
    set(${variable} ${value} PARENT_SCOPE)
endfunction()

read_int(0 magic)
if(NOT magic EQUAL 0x5446534D)
    message(FATAL_ERROR "${INPUT} is not an MSFT type library")
endif()
read_int(0x14 libraryFlags)
read_int(0x20 typeInfoCount)
set(directory 0x54)
math(EXPR helpDll "${libraryFlags} & 0x100")
if(helpDll)
    math(EXPR directory "${directory} + 4")
endif()
math(EXPR directory "${directory} + ${typeInfoCount} * 4")
read_int(${directory} typeInfoTable)
math(EXPR guidEntry "${directory} + 5 * 16")
read_int(${guidEntry} guidTable)

# The GUID as stored: Data1, Data2 and Data3 little-endian, then Data4's bytes.
string(TOLOWER "${GUID}" guid)
string(REPLACE "-" "" guid "${guid}")
set(stored "")
foreach(range "6;2" "4;2" "2;2" "0;2" "10;2" "8;2" "14;2" "12;2")
    list(GET range 0 start)
    string(SUBSTRING "${guid}" ${start} 2 digits)
    string(APPEND stored "${digits}")
endforeach()
string(SUBSTRING "${guid}" 16 16 tail)
string(APPEND stored "${tail}")

set(flagsOffset "")
math(EXPR last "${typeInfoCount} - 1")
foreach(index RANGE ${last})
    math(EXPR record "${typeInfoTable} + ${index} * 0x64")
    math(EXPR positionField "${record} + 0x2C")
    read_int(${positionField} guidPosition)
    math(EXPR guidAt "(${guidTable} + ${guidPosition}) * 2")
    string(SUBSTRING "${hex}" ${guidAt} 32 candidate)
    if(candidate STREQUAL stored)
        read_int(${record} kind)
        math(EXPR kind "${kind} & 0xF")
        if(NOT kind EQUAL 4)
            message(FATAL_ERROR "${GUID} in ${INPUT} is not a dispinterface")
        endif()
        math(EXPR flagsOffset "${record} + 0x30")
    endif()
endforeach()
if(flagsOffset STREQUAL "")
    message(FATAL_ERROR "${GUID} is not in ${INPUT}")
endif()

# TYPEFLAG_FNONEXTENSIBLE (0x80) lies in the low byte of the flags.
math(EXPR byteAt "${flagsOffset} * 2")
string(SUBSTRING "${hex}" ${byteAt} 2 lowByte)
math(EXPR lowByte "0x${lowByte} | 0x80")
math(EXPR d2 "${lowByte} / 64")
math(EXPR d1 "(${lowByte} / 8) % 8")
math(EXPR d0 "${lowByte} % 8")
file(COPY_FILE "${INPUT}" "${OUTPUT}")
execute_process(
    COMMAND sh -c "printf '\\${d2}${d1}${d0}' | dd of='${OUTPUT}' bs=1 seek=${flagsOffset} count=1 conv=notrunc status=none"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "could not write ${OUTPUT}")
endif()

file(READ "${OUTPUT}" hex HEX)
read_int(${flagsOffset} flags)
math(EXPR marked "${flags} & 0x80")
if(NOT marked)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "the flag did not reach ${OUTPUT}")
endif()
