#!/usr/bin/env bash
# Builds the fuzz targets (the `fuzz` preset, clang with libFuzzer) and runs each for a bounded
# time, starting from its seed corpus in fuzz/corpus and the kept failures in fuzz/regressions.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] (default 60). Exits non-zero when a target fails;
# the failing input is then kept under build/fuzz/artifacts and belongs in
# fuzz/regressions/TARGET/, where the regression tests pick it up.
set -euo pipefail
cd "$(dirname "$0")/.."

# libFuzzer comes with the runtime package of the same major version as the machine's clang.
bash scripts/setup.sh clang
bash scripts/setup.sh "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"

seconds="${1:-60}"
targets=(record_reader match_history search)
# Inputs longer than the reader's buffer reach its cut-off; the other two need only a game's worth.
declare -A max_len=([record_reader]=4096 [match_history]=256 [search]=80)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=build/fuzz/run
rm -rf "$work"
mkdir -p build/fuzz/artifacts
failed_count=0
for target in "${targets[@]}"; do
    corpus="$work/$target"
    mkdir -p "$corpus"
    cp fuzz/corpus/"$target"/* "$corpus"/
    if [ -d fuzz/regressions/"$target" ]; then cp fuzz/regressions/"$target"/* "$corpus"/; fi
    log="$work/$target.log"
    if build/fuzz/fuzz/"${target}"_fuzzer "$corpus" -max_total_time="$seconds" \
        -max_len="${max_len[$target]}" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/"$target"- >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz $target: $runs executions in ${seconds} s, no failure"
    else
        failed_count=$((failed_count + 1))
        echo "fuzz $target: FAILED" >&2
        grep -E 'broken property|ERROR|SUMMARY|Test unit written' "$log" >&2 || tail -40 "$log" >&2
    fi
done
echo "fuzz: $((${#targets[@]} - failed_count)) passed, $failed_count failed"
[ "$failed_count" -eq 0 ]
