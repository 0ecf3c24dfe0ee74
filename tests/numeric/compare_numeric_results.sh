#!/bin/sh
# Compares files of numeric results (written by numeric_results) bit for bit.
# Usage: compare_numeric_results.sh BASE OTHER...
# Exit 0 when every OTHER holds the same results as BASE, 1 when one differs
# (its first differences are shown), 77 (CTest's "skipped") when BASE is
# missing, as when the build it comes from has not run its tests.
set -u

if [ $# -lt 2 ]; then
    echo "usage: $0 BASE OTHER..." >&2
    exit 2
fi
base=$1
shift
if [ ! -f "$base" ]; then
    echo "skipped: $base is missing; run the tests of the build it comes from first"
    exit 77
fi
status=0
for other in "$@"; do
    if [ ! -f "$other" ]; then
        echo "FAIL: $other is missing"
        status=1
    elif ! cmp -s "$base" "$other"; then
        differing=$(diff "$base" "$other" | grep -c '^>')
        echo "FAIL: $differing of $(wc -l <"$base") results of $other differ from $base:"
        diff "$base" "$other" | head -n 12
        status=1
    else
        echo "same bits: $other and $base ($(wc -l <"$base") results)"
    fi
done
exit $status
