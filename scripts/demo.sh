#!/usr/bin/env bash
# Try-out demo: builds the library natively (preset "demo", without the tests)
# and runs examples/demo.zts through zthost against the current release, then
# examples/demo-earlier.zts against the earlier release 3.7.0.0 (a script given
# runs against both), with the logger stand-in bound so that the library's
# reports show (on standard error, above the call that made them). On a fresh
# Debian 12 machine it first installs the compiler and CMake (as root, or
# through sudo).
set -euo pipefail
script=$(realpath "${1:-$(dirname "$0")/../examples/demo.zts}")
earlier_script=$(realpath "${1:-$(dirname "$0")/../examples/demo-earlier.zts}")
examples=$(realpath "$(dirname "$0")/../examples")
cd "$(dirname "$0")/.."

scripts/install-missing-packages.sh cmake make g++ >/dev/null
cmake --preset demo >/dev/null
cmake --build --preset demo --target ZtFunc32 ZtFunc32_earlier tagport ztdebug zthost statx >/dev/null

bin="$PWD/build/demo/bin"
demo="$PWD/build/demo/machine"
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

# The host's application directory c:\zentara, named in win.ini, with the tag
# database of the tag-access stand-in and a matching tagname.x.
mkdir -p "$ZT_SYSROOT/c/zentara"
printf '%s\n' '[Vistrel]' 'ApplicationDirectory=c:\zentara' > "$ZT_SYSROOT/c/windows/win.ini"
cat > "$ZT_SYSROOT/c/zentara/tagport.tags" <<'TAGS'
# name                  type      index  text (message tags)
Pump1                   discrete  1
Pump1.OnMsg             message   2      "Pump running"
Pump1.OffMsg            message   3      "Pump stopped"
Flow                    real      4
Level                   integer   5
Alarm                   message   6      ""
TAGS
echo .tagfile | "$bin/zthost" "$bin/libZtFunc32.so" >/dev/null

cd "$demo"
status=0
echo "=== ZtFunc32 3.8.0.0"
"$bin/zthost" "$bin/libZtFunc32.so" "$script" || status=$?
[ ! -e hotspots.svg ] || echo "(the picture of the desktop: $demo/hotspots.svg)"
if [ $# -eq 0 ]; then
    echo "=== ZtFunc32 3.8.0.0: system control over the simulated system"
    "$bin/zthost" "$bin/libZtFunc32.so" "$examples/demo-system.zts" || status=$?
fi
echo "=== ZtFunc32 3.7.0.0 (the earlier release)"
"$bin/zthost" "$bin/3.7.0.0/libZtFunc32.so" "$earlier_script" || status=$?
exit "$status"
