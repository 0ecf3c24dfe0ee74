#!/bin/sh
# Checks that a shared object has no GNU-unique symbols. The dynamic loader
# never unloads an object that defines one (a static inside an inline function
# or template of the standard library becomes one unless the code is built
# with -fno-gnu-unique), so its dlclose would leave it loaded and its exit
# step would not run, unlike FreeLibrary on Windows.
# Usage: no_unique_symbols.sh SHARED_OBJECT
set -u

if [ $# -ne 1 ]; then
    echo "usage: $0 SHARED_OBJECT" >&2
    exit 2
fi
symbols=$(readelf --dyn-syms --wide "$1") || exit 2
unique=$(printf '%s\n' "$symbols" | awk '$5 == "UNIQUE"')
if [ -n "$unique" ]; then
    echo "FAIL: $1 has GNU-unique symbols, so dlclose cannot unload it:"
    printf '%s\n' "$unique"
    exit 1
fi
echo "no GNU-unique symbols in $1 ($(printf '%s\n' "$symbols" | awk '$1 ~ /^[0-9]+:$/' | wc -l) dynamic symbols)"
