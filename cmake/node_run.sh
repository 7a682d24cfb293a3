#!/usr/bin/env bash
# Runs a program built to WebAssembly under Node: `node_run.sh PROGRAM.js [ARGS...]`. Node 18 and
# later would have Emscripten's glue fetch the .wasm beside it with `fetch`, which cannot read a
# file path; without that, the glue reads the file.
exec node --no-experimental-fetch "$@"
