# Fails unless desktop-file-validate accepts DESKTOP_ENTRY without a single remark.
find_program(VALIDATOR desktop-file-validate)
if(NOT VALIDATOR)
    message(FATAL_ERROR "desktop-file-validate is missing: scripts/setup.sh installs it")
endif()
execute_process(COMMAND ${VALIDATOR} ${DESKTOP_ENTRY}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${DESKTOP_ENTRY} (exit ${result}):\n${output}")
endif()
