# Fails when a source file includes what its folder may not:
# - a Qt header outside src/app/, windows.h and the other Win32 headers outside src/win32/ and
#   src/platform/system_windows.cpp, an Emscripten header outside src/web/ (in src/, bench/ and
#   fuzz/);
# - a header of another folder of src/ that the folder's entry in USES does not name, so that no
#   layer includes one above it, whatever the include roots of the build let through.
#
#   cmake -DSOURCE_DIR=... -DUSES="folder=used,used;..." -P check_includes.cmake

cmake_policy(VERSION 3.25)

file(GLOB_RECURSE sources
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/bench/*.cpp
     ${SOURCE_DIR}/fuzz/*.h ${SOURCE_DIR}/fuzz/*.cpp)
set(offences "")

# Adds an offence for each source outside the places (path patterns) that includes a header
# matching `header`.
function(check_system_header what header)
    set(include_pattern "^[ \t]*#[ \t]*include[ \t]*${header}")
    foreach(source IN LISTS sources)
        set(allowed FALSE)
        foreach(place IN LISTS ARGN)
            if(source MATCHES "${place}")
                set(allowed TRUE)
            endif()
        endforeach()
        if(NOT allowed)
            file(STRINGS ${source} found REGEX "${include_pattern}")
            if(found)
                list(APPEND offences "${source}: ${what} included here")
            endif()
        endif()
    endforeach()
    set(offences "${offences}" PARENT_SCOPE)
endfunction()

check_system_header(Qt "[<\"]Q" /src/app/)
check_system_header(windows.h "<(windows|shellapi|commdlg|commctrl|mmsystem)\\.h>" /src/win32/
                    /src/platform/system_windows\\.cpp$)
check_system_header(Emscripten "<emscripten[./]" /src/web/)

foreach(entry IN LISTS USES)
    string(REPLACE "=" ";" entry "${entry}")
    list(POP_FRONT entry folder uses)
    string(REPLACE "," "|" uses "${folder}|${uses}")
    string(REGEX REPLACE "\\|$" "" uses "${uses}")
    file(GLOB_RECURSE folder_sources ${SOURCE_DIR}/src/${folder}/*.h
         ${SOURCE_DIR}/src/${folder}/*.cpp)
    foreach(source IN LISTS folder_sources)
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            if(NOT line MATCHES "\"(${uses})/[^\"/]+\"")
                list(APPEND offences "${source}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(offences)
    list(JOIN offences "\n" offences)
    message(FATAL_ERROR "Includes that their folder may not make:\n${offences}")
endif()
message(STATUS "Every include is one its folder may make")
