# Fails when the AVX2 or the AVX-512 copy of the search defines a symbol outside its own namespace
# (discada::avx2, discada::avx512): built for the wider set, such a function could be the one the
# linker keeps for the whole program, and crash a processor without it (see src/ai/kernels_body.h).
#
#   cmake -DNM=... -DOBJECTS="one.o;other.o;..." -P check_kernel_symbols.cmake

set(offences "")
set(checked 0)
foreach(object IN LISTS OBJECTS)
    if(NOT object MATCHES "kernels_(avx2|avx512)\\.cpp\\.(o|obj)$")
        continue()
    endif()
    set(space ${CMAKE_MATCH_1})
    string(LENGTH ${space} length)
    math(EXPR checked "${checked} + 1")
    execute_process(COMMAND ${NM} --defined-only ${object} OUTPUT_VARIABLE listing
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${NM} failed on ${object}")
    endif()
    string(REPLACE "\n" ";" lines "${listing}")
    foreach(line IN LISTS lines)
        # Only symbols other objects can see: local ones (lower case but u, v, w) cannot clash.
        if(NOT line MATCHES "^[0-9a-fA-F]* *([A-Zuvw]) (.+)$" OR CMAKE_MATCH_1 STREQUAL "N")
            continue()
        endif()
        # AddressSanitizer's marker of a global carries the global's name.
        string(REGEX REPLACE "^__odr_asan\\." "" name ${CMAKE_MATCH_2})
        # A mangled name in the copy's namespace (after discada and any namespace below it), or
        # one the compiler or the library makes: a reference to the exception personality, and
        # the library's templates, which its headers define outside the copy's target switch.
        if(name MATCHES "^_Z[A-Z]*N[rVKRO]*7discada([0-9]+[a-z_]+)*${length}${space}[0-9]"
           OR name MATCHES "^(DW\\.ref\\.|\\.refptr\\.)"
           OR name MATCHES "^_Z[A-Z]*N?[rVKRO]*(St|9__gnu_cxx)")
            continue()
        endif()
        list(APPEND offences "${object}: ${line}")
    endforeach()
endforeach()

if(NOT checked EQUAL 2)
    message(FATAL_ERROR "Expected the AVX2 and the AVX-512 object among: ${OBJECTS}")
endif()
if(offences)
    list(JOIN offences "\n" offences)
    message(FATAL_ERROR "Symbols of a per-processor copy outside its namespace:\n${offences}")
endif()
message(STATUS "Every symbol of the AVX2 and AVX-512 copies lies in their namespaces")
