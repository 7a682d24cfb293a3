# Writes OUTPUT: PAGE_DIR/index.html with the style sheet, the module MODULE and the page's
# script put in place of their markers.
file(READ ${PAGE_DIR}/index.html page)
file(READ ${PAGE_DIR}/discada.css style)
file(READ ${MODULE} module)
file(READ ${PAGE_DIR}/page.js script)
# The markers are replaced one at a time, each by plain text: no CMake expansion inside.
foreach(part IN ITEMS STYLE MODULE PAGE)
    string(FIND "${page}" "@DISCADA_${part}@" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "index.html has no @DISCADA_${part}@")
    endif()
endforeach()
string(REPLACE "@DISCADA_STYLE@" "${style}" page "${page}")
string(REPLACE "@DISCADA_MODULE@" "${module}" page "${page}")
string(REPLACE "@DISCADA_PAGE@" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
