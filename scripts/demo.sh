#!/usr/bin/env bash
# Try-out demo: builds the native target and runs examples/demo.zts through
# zthost, with the logger stand-in bound so that the library's reports show
# (on standard error, above the call that made them).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset native >/dev/null
cmake --build --preset native --target ZtFunc32 ztdebug zthost statx >/dev/null

bin="$PWD/build/native/bin"
demo="$PWD/build/native/demo"
rm -rf "$demo"
mkdir -p "$demo/sysroot/c/windows" "$demo/scratch"

# The emulated machine of the demo: its drives, its Windows directory and its
# registry, in which "Dir" leads to the logger stand-in.
export ZT_SYSROOT="$demo/sysroot"
printf '[Software\\Zentara\\ztdebug]\nDir=%s\n' "$bin/ztdebug" > "$ZT_SYSROOT/c/windows/registry.ini"
export ZTDEBUG_LOG=-
# The statistics-export tool stand-in on the search path, so the settings
# functions find it and the script can run it.
export PATH="$bin/export-tool:$PATH"

cd "$demo"
exec "$bin/zthost" "$bin/libZtFunc32.so" "${1:-../../../examples/demo.zts}"
