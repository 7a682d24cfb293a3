# Writes the notices of the works of others that one package carries, found from what the linker
# put into its programs:
#
#   cmake -DTITLE=... -DLINK_RECORDS=a.map;b.trace -DBUILD_DIR=... [-DALSO=notice;...]
#         [-DFONT=font.otf] -DOUTPUT=THIRD-PARTY-NOTICES.txt -P third_party_notices.cmake
#
# LINK_RECORDS are GNU ld's map files (-Map) or wasm-ld's traces (--trace). Every object file and
# archive member in them that comes from outside BUILD_DIR names the notice it needs by the first
# rule below that matches its path; one that no rule matches fails the build, so that nothing of
# others' ships without its notice. ALSO names notices of what no link record shows: the script
# Emscripten puts around the module, the font embedded in it. FONT is that font: the copyright the
# m-plus-1 notice states must be the one the font carries.

cmake_minimum_required(VERSION 3.25)

# The notices, in this folder as NAME.txt, in the order the file lists them.
set(notice_order gcc-runtime mingw-w64-runtime winpthreads emscripten musl llvm-runtime dlmalloc
                 m-plus-1)

# Pairs of a regular expression over a library's or object's path and the notices it needs,
# separated by commas; "none": made by the tools from the project's own files.
set(rules
    "/x86_64-w64-mingw32/lib/lib(win)?pthread\\.a$" "winpthreads"
    "/x86_64-w64-mingw32/lib/" "mingw-w64-runtime"
    "/gcc/x86_64-w64-mingw32/" "gcc-runtime"
    "/wasm32-emscripten/libc\\.a$" "musl,emscripten"
    "/wasm32-emscripten/lib(c\\+\\+|c\\+\\+abi|compiler_rt)(-[a-z]+)?\\.a$" "llvm-runtime"
    "/wasm32-emscripten/libdlmalloc(-[a-z]+)?\\.a$" "dlmalloc"
    "/wasm32-emscripten/" "emscripten"
    "/emscripten_temp_[^/]*/embedded_files\\.o$" "none")

function(notices_for path out_notices)
    set(remaining ${rules})
    while(remaining)
        list(POP_FRONT remaining pattern notices)
        if(path MATCHES "${pattern}")
            string(REPLACE "," ";" notices "${notices}")
            list(REMOVE_ITEM notices none)
            set(${out_notices} "${notices}" PARENT_SCOPE)
            return()
        endif()
    endwhile()
    message(FATAL_ERROR "The programs hold code from ${path}, which no notice covers: add its "
                        "notice to packaging/notices/ and a rule to ${CMAKE_CURRENT_LIST_FILE}")
endfunction()

# The object files and archives that gave code, outside the build folder.
set(inputs)
foreach(record IN LISTS LINK_RECORDS)
    file(STRINGS ${record} lines REGEX "^(LOAD )?/[^ ()]+(\\.o$|\\.a\\()")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^(LOAD )?(/[^ ()]+(\\.o|\\.a)).*" "\\2" path "${line}")
        cmake_path(NORMAL_PATH path)
        cmake_path(IS_PREFIX BUILD_DIR "${path}" in_build)
        if(NOT in_build)
            list(APPEND inputs ${path})
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES inputs)
if(NOT inputs)
    message(FATAL_ERROR "The link records ${LINK_RECORDS} name no library")
endif()

set(needed ${ALSO})
foreach(path IN LISTS inputs)
    notices_for(${path} notices)
    list(APPEND needed ${notices})
endforeach()

set(titles)
set(bodies)
set(number 0)
foreach(notice IN LISTS notice_order)
    if(NOT notice IN_LIST needed)
        continue()
    endif()
    list(REMOVE_ITEM needed ${notice})
    file(READ ${CMAKE_CURRENT_LIST_DIR}/${notice}.txt text)
    string(REGEX MATCH "^[^\n]+" title "${text}")
    if(notice STREQUAL "m-plus-1")
        string(REGEX MATCH "\nCopyright [^\n]+" copyright "${text}")
        string(STRIP "${copyright}" copyright)
        file(STRINGS ${FONT} font_strings ENCODING UTF-16BE)
        string(FIND "${font_strings}" "${copyright}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${FONT} does not say \"${copyright}\": "
                                "its notice in packaging/notices/ needs updating")
        endif()
    endif()
    math(EXPR number "${number} + 1")
    string(APPEND titles "  ${number}. ${title}\n")
    string(REGEX REPLACE "^[^\n]+\n" "" text "${text}")
    string(REPEAT "=" 98 rule)
    string(APPEND bodies "\n\n${rule}\n${number}. ${title}\n${rule}\n${text}")
endforeach()
if(needed)
    message(FATAL_ERROR "No notice in packaging/notices/ is called ${needed}")
endif()

string(LENGTH "${TITLE}" title_length)
string(REPEAT "=" ${title_length} underline)
file(WRITE ${OUTPUT} "${TITLE}
${underline}

DiscadaGame is free software under the MIT licence, which LICENSE.txt beside this file holds.
This package also holds the works of others listed below, as the build found them in what went
into it; each comes with its licence, or with the notice its licence asks for.

${titles}${bodies}")
