#!/bin/sh
# Runs a link command with wasm-ld naming every file it takes code from, into TRACE.
#
#   link_trace.sh TRACE COMMAND...
trace=$1
shift
exec "$@" -Wl,--trace >"$trace"
