#!/usr/bin/env bash
# Runs the fuzz targets of fuzz/ (native-fuzz preset: clang 14, libFuzzer, the
# address and undefined-behaviour sanitizers), each for SECONDS (default 20),
# and prints per target the executions, the coverage reached and the crashes
# found. Exits non-zero when a target found anything.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]    e.g. scripts/fuzz.sh 3600 tags
#
# Each target starts from its seeds and regression inputs in fuzz/corpus/NAME
# (every one of them is run first) and keeps what it learns in
# build/native-fuzz/corpus/NAME, so that longer runs go on from earlier ones.
# Findings are written to build/native-fuzz/findings/NAME/; add a fixed one to
# fuzz/corpus/NAME as regression-WHAT. The log of each run is beside them.
#
# Environment: FUZZ_NICE (niceness of the runs, default 0); FUZZ_RUNS (stop a
# target after that many executions, within its SECONDS); ZT_FUZZ_NO_BUILD=1
# uses the build as it is (scripts/test.sh builds it first).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
[ $# -eq 0 ] || shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(paste_func numeric settings profile tags zthost_script)
    [ ! -f hotspots/hotspot_state.h ] || targets+=(hotspots)
fi
build=build/native-fuzz

if [ "${ZT_FUZZ_NO_BUILD:-0}" != 1 ]; then
    cmake --preset native-fuzz >/dev/null
    cmake --build --preset native-fuzz
fi

rows=()
failed=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    log=$findings/run.log
    mkdir -p "$corpus" "$findings"
    # The timeout is wall-clock time: on a machine busy with other work an
    # input that takes milliseconds can wait for seconds.
    options=(-max_total_time="$seconds" -timeout=120 -rss_limit_mb=2560 -print_final_stats=1
             -artifact_prefix="$findings/")
    [ ! -f "fuzz/dict/$target.dict" ] || options+=(-dict="fuzz/dict/$target.dict")
    [ -z "${FUZZ_RUNS:-}" ] || options+=(-runs="$FUZZ_RUNS")
    # Inputs are sequences of calls: a few hundred bytes make dozens of them,
    # and longer ones only repeat what shorter ones reach, at a fraction of
    # the executions. The script parser takes whole scripts.
    case $target in
        zthost_script) ;;
        tags | profile) options+=(-max_len=1024) ;;
        *) options+=(-max_len=512) ;;
    esac
    echo "=== fuzz_$target for ${seconds}s"
    touch "$findings/.started"
    status=0
    nice -n "${FUZZ_NICE:-0}" "$build/bin/fuzz_$target" "${options[@]}" "$corpus" \
        "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    coverage=$(grep -ao 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    # Slow inputs (slow-unit-*) are kept for a look but are no finding.
    crashes=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o \
        -name 'timeout-*' -o -name 'oom-*' \) -newer "$findings/.started" | wc -l)
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -aE '^(==[0-9]+==ERROR|SUMMARY|[a-z_ ]+: )' "$log" | head -5 || true
        echo "see $log"
    fi
    rows+=("$(printf '%-16s %12s %9s %8s %s' "$target" "${executions:-?}" "${coverage:-?}" \
        "$crashes" "$([ "$status" -eq 0 ] && echo ok || echo "FAILED ($status)")")")
done

printf '%-16s %12s %9s %8s %s\n' target executions coverage crashes result
printf '%s\n' "${rows[@]}"
exit "$failed"
