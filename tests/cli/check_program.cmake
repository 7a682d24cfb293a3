# The built discada-cli as a person starts it, through LAUNCHER (wine for the Windows program)
# when one is given: its arguments reach the commands, --help gets the usage on standard output
# with success, and no arguments, or a number with more after it, get a usage text on standard
# error with the usage exit code. It runs in a fresh folder of its own, removed after.
#
#   cmake -DPROGRAM=... [-DLAUNCHER=...] -P check_program.cmake

set(tmp $ENV{TMPDIR})
if(NOT tmp)
    set(tmp /tmp)
endif()
string(RANDOM LENGTH 12 suffix)
set(WORK ${tmp}/discada-cli-program-${suffix})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/game.txt " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n")

# True in `ok` when `text` begins with `start`, or is empty when `start` is.
function(begins_with text start ok)
    string(FIND "${text}" "${start}" at)
    if(start STREQUAL "")
        string(LENGTH "${text}" at)
    endif()
    if(at EQUAL 0)
        set(${ok} TRUE PARENT_SCOPE)
    else()
        set(${ok} FALSE PARENT_SCOPE)
    endif()
endfunction()

# Runs the program with ARGN in WORK and checks its exit code and the start of both outputs.
function(expect code out_start err_start)
    execute_process(COMMAND ${LAUNCHER} ${PROGRAM} ${ARGN} WORKING_DIRECTORY ${WORK}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(REPLACE "\r" "" out "${out}")
    string(REPLACE "\r" "" err "${err}")
    begins_with("${out}" "${out_start}" out_ok)
    begins_with("${err}" "${err_start}" err_ok)
    if(NOT result EQUAL code OR NOT out_ok OR NOT err_ok)
        file(REMOVE_RECURSE ${WORK})
        message(FATAL_ERROR "discada-cli ${ARGN}: exit ${result}, expected ${code}\n"
                            "out: ${out}\nerr: ${err}")
    endif()
endfunction()

expect(0 "DiscadaGame Ver.1.2\n" "" --version)
expect(0 "usage: discada-cli COMMAND" "" --help)
expect(0 "........\n........\n..OX....\n..XXX...\n...XO...\n" "" show game.txt)
expect(64 "" "usage: discada-cli COMMAND" show)
expect(64 "" "usage: discada-cli COMMAND")
# A number is the whole argument, or the argument is refused.
expect(64 "" "usage: discada-cli perft D" perft 3x)
file(REMOVE_RECURSE ${WORK})
