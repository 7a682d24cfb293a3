# Runs the search's copy for each smaller processor as that processor, under qemu-x86_64: the
# copy the program picks there must be the one the processor calls for, and discada-cli's perft
# and bench signature must be those of the native run, which the tests pin.
#
#   cmake -DQEMU=qemu-x86_64 -DPROGRAM=discada-cli -DCHOICE=kernel_choice -P check_processors.cmake

if(NOT QEMU)
    message(FATAL_ERROR "qemu-x86_64 is missing: bash scripts/setup.sh qemu-user")
endif()

# The perft count and the bench signature, run natively or through the LAUNCHER list, in `out`.
function(run_search out)
    execute_process(COMMAND ${ARGN} ${PROGRAM} perft 9 OUTPUT_VARIABLE perft RESULT_VARIABLE r1
                    ERROR_QUIET)
    execute_process(COMMAND ${ARGN} ${PROGRAM} bench --model pruned --depth 8
                    OUTPUT_VARIABLE bench RESULT_VARIABLE r2 ERROR_QUIET)
    string(REGEX MATCH "Bench: [^\n]*" signature "${bench}")
    string(STRIP "${perft}" perft)
    set(${out} "perft ${perft} (exit ${r1}), ${signature} (exit ${r2})" PARENT_SCOPE)
endfunction()

run_search(native)
if(NOT native MATCHES "^perft [0-9]+ \\(exit 0\\), Bench: [0-9]+ [0-9a-f]+ \\(exit 0\\)$")
    message(FATAL_ERROR "The native run failed: ${native}")
endif()
set(failures "")
foreach(cpu_copy Nehalem=portable Haswell=avx2)
    string(REPLACE "=" ";" cpu_copy ${cpu_copy})
    list(GET cpu_copy 0 cpu)
    list(GET cpu_copy 1 copy)
    execute_process(COMMAND ${QEMU} -cpu ${cpu} ${CHOICE} OUTPUT_VARIABLE chosen ERROR_QUIET
                    RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
    run_search(emulated ${QEMU} -cpu ${cpu})
    message(STATUS "${cpu}: the ${chosen} copy, ${emulated}")
    if(NOT chosen STREQUAL copy)
        list(APPEND failures "${cpu} runs the '${chosen}' copy (exit ${result}), not the ${copy} one")
    endif()
    if(NOT emulated STREQUAL native)
        list(APPEND failures "${cpu}: ${emulated}; natively ${native}")
    endif()
endforeach()
if(failures)
    list(JOIN failures "\n" failures)
    message(FATAL_ERROR "${failures}")
endif()
