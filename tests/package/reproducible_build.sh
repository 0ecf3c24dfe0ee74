#!/usr/bin/env bash
# Builds the shipped DLLs a second time, from a copy of the source tree in
# another folder, and compares them (and their debug files) byte for byte with
# the ones of this build: no time stamp and no build path may differ.
#   reproducible_build.sh SOURCE_DIR WORK_DIR PRESET CACHE_SETTINGS FILE...
# FILE is a path relative to the build folder (bin/ZtFunc32.DLL).
set -euo pipefail
source_dir=$1 work_dir=$2 preset=$3 cache_settings=$4
shift 4
build_dir=$(cd "$source_dir" && pwd)/build/$preset

rm -rf "$work_dir"
copy="$work_dir/a-source-tree-in-another-folder"
mkdir -p "$copy"
# The files of the commit (as they are in the work tree), nothing built.
git -C "$source_dir" ls-files -z | (cd "$source_dir" && tar --null -T - -cf -) | tar -xf - -C "$copy"

targets=()
for file in "$@"; do
    case $file in
    bin/3.7.0.0/*) targets+=(ZtFunc32_earlier) ;;
    *) targets+=(ZtFunc32) ;;
    esac
done
# shellcheck disable=SC2086 # the settings are separate words
(cd "$copy" && cmake --preset "$preset" -DZT_BUILD_TESTS=OFF $cache_settings >/dev/null &&
    cmake --build --preset "$preset" --target "${targets[@]}" >/dev/null)

differ=0
for file in "$@"; do
    for each in "$file" "$file.debug"; do
        if cmp -s "$build_dir/$each" "$copy/build/$preset/$each"; then
            echo "identical: $each ($(stat -c %s "$build_dir/$each") bytes)"
        else
            echo "DIFFERENT: $each"
            cmp "$build_dir/$each" "$copy/build/$preset/$each" | head -3 || true
            differ=1
        fi
    done
done
[ "$differ" = 0 ] && rm -rf "$work_dir"
exit "$differ"
