# Compiler settings shared by every target of the suite.

# Warnings are errors everywhere. The build is checked with MinGW-w64 GCC (x64, x86) and
# Clang (x64); -Wpedantic refuses compiler extensions. The MSVC flags are untested.
# (No -Wnon-virtual-dtor: COM interfaces have no virtual destructor by design; objects are
# freed through their own Release.)
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

# The processor an application manifest names for this build ("Application manifests",
# assemblyIdentity: x86 or amd64); Windows refuses a manifest naming another processor.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(SUITE_MANIFEST_ARCHITECTURE amd64)
else()
    set(SUITE_MANIFEST_ARCHITECTURE x86)
endif()

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

# A version written major.minor.build (1.2.0034) as the four numbers of a version resource
# ("1, 2, 0, 34").
function(suite_version_numbers version out)
    string(REPLACE "." ";" parts "${version}")
    list(GET parts 0 major)
    list(GET parts 1 minor)
    list(GET parts 2 build)
    math(EXPR build "${build}")  # 0016 -> 16
    set(${out} "${major}, ${minor}, 0, ${build}" PARENT_SCOPE)
endfunction()

# The OLEMISC flags (oleidl.h) by the names an application manifest gives them.
set(SUITE_OLEMISC_recomposeonresize 0x1)
set(SUITE_OLEMISC_onlyiconic 0x2)
set(SUITE_OLEMISC_insertnotreplace 0x4)
set(SUITE_OLEMISC_static 0x8)
set(SUITE_OLEMISC_cantlinkinside 0x10)
set(SUITE_OLEMISC_canlinkbyole1 0x20)
set(SUITE_OLEMISC_islinkobject 0x40)
set(SUITE_OLEMISC_insideout 0x80)
set(SUITE_OLEMISC_activatewhenvisible 0x100)
set(SUITE_OLEMISC_renderingisdeviceindependent 0x200)
set(SUITE_OLEMISC_invisibleatruntime 0x400)
set(SUITE_OLEMISC_alwaysrun 0x800)
set(SUITE_OLEMISC_actslikebutton 0x1000)
set(SUITE_OLEMISC_actslikelabel 0x2000)
set(SUITE_OLEMISC_nouiactivate 0x4000)
set(SUITE_OLEMISC_alignable 0x8000)
set(SUITE_OLEMISC_simpleframe 0x10000)
set(SUITE_OLEMISC_setclientsitefirst 0x20000)
set(SUITE_OLEMISC_imemode 0x40000)

# The artwork steps above 100 % (runtime/display_scale.h, tools/artwork): a bitmap
# art/NAME.bmp is drawn at art/NAME-<percent>.bmp too.
set(SUITE_ARTWORK_PERCENTS 125 150 175 200)

# Appends to the variable `out` the resource-script lines of a bitmap at every artwork step:
# `name` from `file`, and SUITE_SCALED_NAME(name, percent) from the step's file beside it.
function(suite_scaled_bitmap out name file)
    get_filename_component(folder "${file}" DIRECTORY)
    get_filename_component(stem "${file}" NAME_WE)
    set(lines "${name} BITMAP \"${file}\"\n")
    foreach(percent ${SUITE_ARTWORK_PERCENTS})
        string(APPEND lines
               "SUITE_SCALED_NAME(${name}, ${percent}) BITMAP \"${folder}/${stem}-${percent}.bmp\"\n")
    endforeach()
    set(${out} "${${out}}${lines}" PARENT_SCOPE)
endfunction()

# One of the suite's programs: its executable in the program folder with the version
# information, application manifest (with the flat button control beside it), icon,
# stored main window layout and artwork of the folder it is defined in.
#   suite_program(Tapnor VERSION 1.2.0034 DESCRIPTION "..." SOURCES ... LIBRARIES ...
#                 [EXTRA_RESOURCES "rc lines"])
function(suite_program name)
    cmake_parse_arguments(PROGRAM "" "VERSION;DESCRIPTION;EXTRA_RESOURCES" "SOURCES;LIBRARIES"
                          ${ARGN})
    set(PROGRAM_NAME "${name}")
    suite_version_numbers("${PROGRAM_VERSION}" PROGRAM_VERSION_NUMBERS)
    string(REPLACE ", " "." PROGRAM_MANIFEST_VERSION "${PROGRAM_VERSION_NUMBERS}")
    string(TOLOWER "${name}" lower)
    set(PROGRAM_ICON "${CMAKE_CURRENT_SOURCE_DIR}/art/${lower}.ico")
    # The main window's skin, title and button faces, at every artwork step.
    set(PROGRAM_BITMAPS "")
    foreach(stem background title options options_disabled start stop quit minimize close)
        string(TOUPPER "${stem}" bitmap)
        if(stem STREQUAL "background")
            set(bitmap SUITE_BACKGROUND_BITMAP)
        endif()
        suite_scaled_bitmap(PROGRAM_BITMAPS ${bitmap} "${CMAKE_CURRENT_SOURCE_DIR}/art/${stem}.bmp")
    endforeach()

    # The registration-free reference to Sleekon.ocx, and the class the layout names.
    file(READ "${SLEEKON_MANIFEST_FRAGMENT}" SLEEKON_MANIFEST_FILE)
    set(SLEEKON_CLSID "{${SLEEKON_CLASS_ID}}")
    configure_file(frmMain.layout.in frmMain.layout @ONLY)
    configure_file("${PROJECT_SOURCE_DIR}/frame/resources/program.manifest.in" ${name}.manifest @ONLY)
    configure_file("${PROJECT_SOURCE_DIR}/frame/resources/program.rc.in" ${lower}.rc @ONLY)

    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${lower}.rc")
    suite_windows_executable(${name} WIN32 ${PROGRAM_SOURCES} "${rc}")
    target_link_libraries(${name} PRIVATE ${PROGRAM_LIBRARIES} quiet_terminate)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${SUITE_PROGRAM_DIR}")
    file(GLOB art "${CMAKE_CURRENT_SOURCE_DIR}/art/*")
    set_property(SOURCE "${rc}" APPEND PROPERTY OBJECT_DEPENDS
                 "${CMAKE_CURRENT_BINARY_DIR}/frmMain.layout"
                 "${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest" ${art})
    add_dependencies(${name} Sleekon)
endfunction()
