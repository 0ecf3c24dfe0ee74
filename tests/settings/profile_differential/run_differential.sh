#!/bin/sh
# Runs one script of private-profile operations through the emulated platform
# and through Windows (a Windows build under Wine) and compares what they print.
# Usage: run_differential.sh NATIVE_RUNNER WIN64_RUNNER_EXE SCRIPT
# Exit 0 when both print the same, 1 with the differences, 2 on usage errors,
# 77 (CTest's "skipped") when the native runner has not been built.
# WINE names the Wine loader (default /usr/lib/wine/wine64), WINEPREFIX its prefix.
set -u

if [ $# -ne 3 ]; then
    echo "usage: $0 NATIVE_RUNNER WIN64_RUNNER_EXE SCRIPT" >&2
    exit 2
fi
native_runner=$1
win64_runner=$2
script=$3
if [ ! -x "$native_runner" ]; then
    echo "skipped: no native build to compare with ($native_runner is missing);" \
        "build the native preset first: cmake --preset native && cmake --build --preset native"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/profile-differential.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM

export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/ztfunc32-wineprefix}"
export WINEDEBUG=-all
wine=${WINE:-/usr/lib/wine/wine64}

to_windows_path() {
    # Wine maps drive Z: onto the root of this machine's file system.
    printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}

abs_script=$(cd "$(dirname "$script")" && pwd)/$(basename "$script")

mkdir -p "$work/native" "$work/windows" "$work/sysroot"
ZT_SYSROOT="$work/sysroot" "$native_runner" "$work/native" "$abs_script" >"$work/native.out" 2>&1
native_status=$?
"$wine" "$win64_runner" "$(to_windows_path "$work/windows")" "$(to_windows_path "$abs_script")" \
    >"$work/windows.raw" 2>&1
windows_status=$?
# The Windows console ends lines with CRLF; the runner escapes every CR of
# its data, so any raw CR left is a line end.
tr -d '\r' <"$work/windows.raw" >"$work/windows.out"

if [ $native_status -ne 0 ] || [ $windows_status -ne 0 ]; then
    echo "runner failed: native exit $native_status, windows exit $windows_status" >&2
fi
if diff -u --label windows --label native "$work/windows.out" "$work/native.out"; then
    [ $native_status -eq 0 ] && [ $windows_status -eq 0 ] && exit 0
fi
exit 1
