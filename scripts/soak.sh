#!/usr/bin/env bash
# The soak: the library used for a long time by a host with a UI thread, script
# threads and tag writes that run scripts, and loaded and unloaded again and
# again (host/soakhost/).
#
#   scripts/soak.sh [SECONDS] [TARGET...]
#
#   SECONDS  how long each target's soak runs: 60 by default, 3600 for the long
#            run
#   TARGET   native, native-asan, native-tsan, win64, win32; by default
#            native-asan, native-tsan, win64, and win32 where the kernel runs
#            32-bit programs
#
# For each target it builds soakhost in that preset (configuring the preset if
# it has no build yet) and then, in build/<preset>/soak:
#   1. 100 load and unload rounds of each release: reload-3.8.0.0.csv and
#      reload-3.7.0.0.csv, each drawn as an SVG chart beside it;
#   2. the soak of the current release: soak.csv (a sample every 2 s, every
#      10 s in runs over 5 minutes) and soak.svg, memory and handles over time.
# The Windows targets run under Wine in Xvfb (started here unless DISPLAY is
# set), in the prefix of their build. It prints the figures, and exits
# non-zero when any check failed or anything hung.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/wine_session.sh
trap stop_display_and_wine EXIT

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(native-asan native-tsan win64)
    runs_32bit_programs && targets+=(win32)
fi
sample_seconds=2
[ "$seconds" -le 300 ] || sample_seconds=10

failed=()

# run_logged NAME COMMAND...: runs one soakhost, keeps its output in NAME.log.
run_logged() {
    local name=$1
    shift
    local status=0
    "$@" >"$name.log" 2>&1 || status=$?
    cat "$name.log"
    [ "$status" -eq 124 ] && echo "FAIL: $name did not finish in time: hung"
    return "$status"
}

soak_target() {
    local preset=$1
    local build=$root/build/$preset
    local work=$build/soak
    [ -f "$build/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target soakhost >/dev/null
    rm -rf "$work"
    mkdir -p "$work"
    cd "$work"
    local host=("$build/bin/soakhost")
    local current=$build/bin/libZtFunc32.so earlier=$build/bin/3.7.0.0/libZtFunc32.so
    case $preset in
    win64 | win32)
        local loader=$wine64 arch=win64
        [ "$preset" = win32 ] && loader=$wine32 arch=win32
        start_display
        prepare_wine "$build/wineprefix" "$arch" "$loader"
        export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
        host=("$loader" "$build/bin/soakhost.exe")
        current=$build/bin/ZtFunc32.DLL
        earlier=$build/bin/3.7.0.0/ZtFunc32.dll
        ;;
    *)
        export ZT_SYSROOT=$work/machine
        ;;
    esac
    echo "=== soak $preset: 100 load and unload rounds of each release, then $seconds s"
    local ok=1
    run_logged reload-3.8.0.0 timeout 600 "${host[@]}" reload "$current" 100 reload-3.8.0.0.csv || ok=0
    run_logged reload-3.7.0.0 timeout 600 "${host[@]}" reload "$earlier" 100 reload-3.7.0.0.csv || ok=0
    run_logged soak timeout $((seconds + 300)) "${host[@]}" soak "$current" "$seconds" \
        "$sample_seconds" soak.csv || ok=0
    local csv
    for csv in reload-3.8.0.0 reload-3.7.0.0 soak; do
        [ -s "$csv.csv" ] && python3 "$root/scripts/soak_chart.py" "$csv.csv" "$csv.svg" \
            "$preset: $csv ($(date -u +%Y-%m-%d))"
    done
    echo "    samples and charts in $work"
    [ "$ok" -eq 1 ] || failed+=("$preset")
    cd "$root"
    unset WINEPREFIX ZT_SYSROOT
}

for target in "${targets[@]}"; do
    soak_target "$target"
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "soak FAILED on: ${failed[*]}"
    exit 1
fi
echo "soak passed on: ${targets[*]}"
