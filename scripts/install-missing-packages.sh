#!/usr/bin/env bash
# Installs those of the Debian packages named on the command line that are not
# installed yet, as root or through sudo. Used by scripts/test.sh and
# scripts/demo.sh, so that both work on a fresh Debian 12 machine.
set -euo pipefail

missing=()
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "all packages present"
    exit 0
fi
echo "installing ${missing[*]}" >&2
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
# Packages of another architecture (wine32:i386) need it added first.
for package in "${missing[@]}"; do
    architecture=${package#*:}
    if [ "$architecture" != "$package" ] &&
        ! dpkg --print-foreign-architectures | grep -qx "$architecture"; then
        "${as_root[@]}" dpkg --add-architecture "$architecture"
    fi
done
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
