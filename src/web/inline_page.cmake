# Writes OUTPUT: PAGE_DIR/index.html with the style sheet, the module MODULE, the page's script
# and the icon ICON (an SVG picture, as a data: address) put in place of their markers.
file(READ ${PAGE_DIR}/index.html page)
file(READ ${PAGE_DIR}/discada.css style)
file(READ ${MODULE} module)
file(READ ${PAGE_DIR}/page.js script)
file(READ ${ICON} icon)
# The picture inside a double-quoted attribute: its quotes single, its newlines gone and the
# characters an address cannot hold escaped.
string(REPLACE "\"" "'" icon "${icon}")
string(REPLACE "\n" "" icon "${icon}")
foreach(pair IN ITEMS "%;%25" "#;%23" "<;%3C" ">;%3E")
    list(GET pair 0 from)
    list(GET pair 1 to)
    string(REPLACE "${from}" "${to}" icon "${icon}")
endforeach()
# The markers are replaced one at a time, each by plain text: no CMake expansion inside.
foreach(part IN ITEMS STYLE MODULE PAGE ICON)
    string(FIND "${page}" "@DISCADA_${part}@" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "index.html has no @DISCADA_${part}@")
    endif()
endforeach()
string(REPLACE "@DISCADA_ICON@" "data:image/svg+xml,${icon}" page "${page}")
string(REPLACE "@DISCADA_STYLE@" "${style}" page "${page}")
string(REPLACE "@DISCADA_MODULE@" "${module}" page "${page}")
string(REPLACE "@DISCADA_PAGE@" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
