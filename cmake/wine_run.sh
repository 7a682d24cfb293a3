#!/usr/bin/env bash
# Runs a Windows program under wine: `wine_run.sh PROGRAM.exe [ARGS...]`. The wine prefix is
# WINEPREFIX when set, otherwise the folder `wine` of the build tree that holds the program; it
# is made on first use, once, even when several programs start at the same time.
set -euo pipefail

wine_dir=/usr/lib/wine
export WINEDEBUG=${WINEDEBUG:--all}
# No desktop integration: wine would otherwise add menu entries and file associations.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d}
# Wine turns Windows file names into Unix ones through the locale's character set: Japanese
# names need a UTF-8 locale, whatever the caller has.
export LC_ALL=C.UTF-8

build_tree_of() {
    local dir
    dir=$(cd "$(dirname "$1")" && pwd)
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] || { echo "wine_run.sh: $1 lies in no build tree" >&2; exit 2; }
    echo "$dir"
}

if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$(build_tree_of "$1")/wine"
fi
export WINEPREFIX
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$wine_dir/wine64" wineboot --init >/dev/null 2>&1
        "$wine_dir/wineserver" --wait
    fi
) 9>"$WINEPREFIX.lock"
exec "$wine_dir/wine64" "$@"
