# Installs the build under a scratch PREFIX and compares the files there with what a desktop
# expects; the installed discada-cli must print VERSION_LINE, the version the package carries.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(expected bin/discada-cli share/doc/discada/readme.txt share/man/man6/discada-cli.6.gz)
if(WITH_APP)
    list(APPEND expected bin/discada share/applications/discada.desktop
         share/icons/hicolor/scalable/apps/discada.svg share/man/man6/discada.6.gz
         share/metainfo/invalid.discada.Discada.metainfo.xml)
    foreach(size 16 22 24 32 48 64 128 256)
        list(APPEND expected share/icons/hicolor/${size}x${size}/apps/discada.png)
    endforeach()
endif()
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " installed "${installed}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

foreach(png IN LISTS installed)
    if(png MATCHES "/([0-9]+)x[0-9]+/apps/discada.png$")
        set(size ${CMAKE_MATCH_1})
        file(READ ${PREFIX}/${png} header LIMIT 24 HEX)
        # The width and height fields of the PNG header, big-endian.
        string(SUBSTRING "${header}" 32 8 width)
        math(EXPR width "0x${width}")
        if(NOT width EQUAL size)
            message(FATAL_ERROR "${png} is ${width} pixels wide")
        endif()
    endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/discada-cli --version
                RESULT_VARIABLE result OUTPUT_VARIABLE line)
if(NOT result EQUAL 0 OR NOT line STREQUAL "${VERSION_LINE}\n")
    message(FATAL_ERROR "discada-cli --version printed '${line}', expected '${VERSION_LINE}'")
endif()
