# Fails unless appstreamcli accepts the AppStream metadata METAINFO, without looking anything up
# on the network.
find_program(APPSTREAMCLI appstreamcli)
if(NOT APPSTREAMCLI)
    message(FATAL_ERROR "appstreamcli is missing: scripts/setup.sh installs it")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${METAINFO}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate --no-net ${METAINFO} (exit ${result}):\n${output}")
endif()
