#!/usr/bin/env bash
# Checks a release package and tries it out as a script author on Windows would:
#   check_package.sh ZIP [WINE_LOADER]
# 1. unpacks the zip and checks its layout, that each shipped DLL is at most
#    ZT_MAX_DLL_BYTES (256 KiB) and imports only system DLLs and the host's
#    libraries, that no stand-in lies beside a shipped DLL, that each MSVC
#    import library holds COFF short import objects binding exactly the DLL's
#    export names, and its SHA256SUMS;
# 2. with WINE_LOADER: unpacks it again into a fresh Wine prefix, lays out the
#    demo's machine there (logger "Dir" in the registry, win.ini, a tag
#    database, statx on the search path) and runs tools/zthost.exe from the
#    package on tools/demo.zts against the DLL of each release.
set -euo pipefail
zip=$(realpath "$1")
loader=${2:-}
name=$(basename "$zip" .zip)
work=$(dirname "$zip")/package-check
rm -rf "$work"
mkdir -p "$work"
unzip -q "$zip" -d "$work"
root="$work/$name"
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

echo "--- $name.zip"
(cd "$root" && find . -type f | sort | sed 's|^\./||' | while read -r file; do
    printf '%9d  %s\n' "$(stat -c %s "$file")" "$file"
done)

required=(include/ztfunc32.h tools/zthost.exe tools/demo.zts tools/sandbox/TAGPORT.dll
          tools/sandbox/ZTHEAP.dll tools/sandbox/VSTSPT.dll
          tools/sandbox/ztdebug/ZTDEBUG.DLL tools/sandbox/export-tool/statx.exe
          docs/reference.md docs/reference.html docs/compatibility.md README.md SHA256SUMS)
releases=()
for dll in "$root"/bin/*/ZtFunc32.DLL; do
    releases+=("$(basename "$(dirname "$dll")")")
done
[ "${#releases[@]}" -gt 0 ] || fail "no bin/<release>/ZtFunc32.DLL"
for release in "${releases[@]}"; do
    required+=("debug/$release/ZtFunc32.DLL.debug" "lib/$release/ZtFunc32.def"
               "lib/$release/libZtFunc32.dll.a" "lib/$release/ZtFunc32.lib")
done
for file in "${required[@]}"; do
    [ -f "$root/$file" ] || fail "missing $file"
done

objdump=$(case $name in *win32) echo i686-w64-mingw32-objdump ;; *) echo x86_64-w64-mingw32-objdump ;; esac)
system_dlls='^(KERNEL32|USER32|ADVAPI32|msvcrt|TAGPORT|ZTHEAP|VSTSPT)\.dll$'
for release in "${releases[@]}"; do
    dll="$root/bin/$release/ZtFunc32.DLL"
    size=$(stat -c %s "$dll")
    # At most 256 KiB (262,144 bytes), the size the installations expect of it.
    [ "$size" -le "${ZT_MAX_DLL_BYTES:-262144}" ] ||
        fail "bin/$release/ZtFunc32.DLL is $size bytes, more than ${ZT_MAX_DLL_BYTES:-262144}"
    [ "$(ls "$root/bin/$release")" = ZtFunc32.DLL ] || fail "bin/$release holds more than the DLL"
    sections=$("$objdump" -h "$dll")
    imports=$("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p')
    grep -q '\.debug_' <<<"$sections" && fail "bin/$release/ZtFunc32.DLL has debug sections"
    grep -q '\.gnu_debuglink' <<<"$sections" || fail "bin/$release/ZtFunc32.DLL names no debug file"
    for import in $imports; do
        [[ $import =~ $system_dlls ]] || fail "bin/$release/ZtFunc32.DLL imports $import"
    done
    # What the MSVC import library binds: each short import object's symbol,
    # turned into the name the loader looks up as its name type says.
    exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p' | sort)
    bound=$(llvm-readobj-14 "$root/lib/$release/ZtFunc32.lib" | awk '
        /^Format: / { short = $2 == "COFF-import-file" }
        /^Name type: / { type = $3 }
        short && /^Symbol: / && $2 !~ /^__imp_/ {
            name = $2
            if (type == "noprefix" || type == "undecorate") sub(/^_/, "", name)
            if (type == "undecorate") sub(/@[0-9]+$/, "", name)
            print name
        }' | sort -u)
    [ "$bound" = "$exports" ] || fail "lib/$release/ZtFunc32.lib binds other names than the DLL exports:
$(diff <(echo "$bound") <(echo "$exports") | grep '^[<>]')"
    echo "bin/$release/ZtFunc32.DLL: $size bytes; imports" $imports
done
(cd "$root" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"

if [ -n "$loader" ]; then
    export WINEPREFIX="$work/wineprefix" WINEARCH=win32 WINEDEBUG=-all
    [[ $loader == *64 ]] && WINEARCH=win64
    wineserver -p >/dev/null 2>&1 &
    timeout 300 "$loader" wineboot -i >/dev/null 2>&1 || true
    drive="$WINEPREFIX/drive_c"
    cp -r "$root" "$drive/ZtFunc32"
    mkdir -p "$drive/zentara" "$drive/try/scratch"
    printf '[Vistrel]\r\nApplicationDirectory=c:\\zentara\r\n' >>"$drive/windows/win.ini"
    printf '%s\n' 'Pump1 discrete 1' 'Pump1.OnMsg message 2 "Pump running"' \
        'Pump1.OffMsg message 3 "Pump stopped"' 'Flow real 4' 'Level integer 5' \
        'Alarm message 6 ""' >"$drive/zentara/tagport.tags"
    timeout 60 "$loader" reg add 'HKLM\Software\Zentara\ztdebug' /v Dir /t REG_SZ \
        /d 'C:\ZtFunc32\tools\sandbox\ztdebug' /f >/dev/null 2>&1
    export WINEPATH='C:\ZtFunc32\tools\sandbox\export-tool' ZTDEBUG_LOG=-
    for release in "${releases[@]}"; do
        # the calls the release exports; the earlier one lacks four
        exports="$root/lib/$release/ZtFunc32.def"
        script="$drive/try/demo-$release.zts"
        while IFS= read -r line; do
            if [[ $line =~ ^([A-Za-z0-9_]+)\( ]] && ! grep -Eq "^\s*_?${BASH_REMATCH[1]}[@ ]" "$exports"; then
                continue
            fi
            printf '%s\n' "$line"
        done <"$root/tools/demo.zts" >"$script"
        echo "--- tools/zthost.exe bin/$release/ZtFunc32.DLL tools/demo.zts under $(basename "$loader")"
        output="$work/zthost-$release.txt"
        status=0
        (cd "$drive/try" && echo .tagfile | timeout 120 "$loader" 'C:\ZtFunc32\tools\zthost.exe' \
            "C:\\ZtFunc32\\bin\\$release\\ZtFunc32.DLL" >/dev/null 2>&1 &&
            timeout 300 "$loader" 'C:\ZtFunc32\tools\zthost.exe' "C:\\ZtFunc32\\bin\\$release\\ZtFunc32.DLL" \
                "C:\\try\\demo-$release.zts") >"$output" 2>&1 || status=$?
        tail -n 6 "$output"
        [ "$status" = 0 ] || fail "zthost.exe with the $release DLL exited with $status"
        grep -q 'GeoArea( 2, 1, 3 )' "$output" || fail "zthost.exe with the $release DLL ran no call"
    done
    wineserver -k || true
fi
[ "$failed" = 0 ] && echo "package check passed"
exit "$failed"
