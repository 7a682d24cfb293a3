#!/usr/bin/env bash
# Runs a program under valgrind and fails when it leaks memory of its own: a definitely or
# indirectly lost block whose allocation was called from the program's code (the first frame
# past the allocator has source lines, which only the program's own build has). Leaks inside the
# libraries underneath (Qt's plugins, fontconfig) are counted and ignored.
# Usage: check_leaks.sh VALGRIND PROGRAM
set -euo pipefail
valgrind="$1"
shift
command -v "$valgrind" >/dev/null || { echo "$valgrind is missing: scripts/test.sh installs it"; exit 1; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0
"$valgrind" --leak-check=full --show-leak-kinds=definite,indirect --errors-for-leak-kinds=none \
    --num-callers=60 --error-exitcode=99 --log-file="$log" "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the program failed under valgrind (exit $status)"
    grep -E 'Invalid|uninitialised|ERROR SUMMARY' "$log" | head -40 || true
    exit 1
fi

# One paragraph per loss record.
records=$(sed 's/^==[0-9]*== \{0,1\}//' "$log" | awk -v RS= -v ORS='\n\n' '/(definitely|indirectly) lost in/')
own=$(printf '%s' "$records" | awk -v RS= -v ORS='\n\n' '{
    n = split($0, lines, "\n")
    for (i = 2; i <= n; i++) {
        if (lines[i] !~ /^ *(at|by) / || lines[i] ~ /vgpreload/) continue
        if (lines[i] !~ /\(in \//) print
        break
    }
}')
grep -E 'definitely lost:|indirectly lost:' "$log" | sed 's/^==[0-9]*== */valgrind: /'
if [ -n "$own" ]; then
    echo "leaks of the program's own:"
    printf '%s\n' "$own"
    exit 1
fi
echo "no leak of the program's own ($(printf '%s' "$records" | awk -v RS= 'END {print NR}') loss records of the libraries)"
