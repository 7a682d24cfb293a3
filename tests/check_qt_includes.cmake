# Fails when a source file outside src/app/ includes a Qt header.
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/bench/*.cpp
     ${SOURCE_DIR}/fuzz/*.cpp)
set(offenders "")
foreach(source IN LISTS sources)
    if(source MATCHES "/src/app/")
        continue()
    endif()
    file(STRINGS ${source} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    if(qt_includes)
        list(APPEND offenders ${source})
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "Qt included outside src/app/: ${offenders}")
endif()
message(STATUS "No Qt include outside src/app/")
