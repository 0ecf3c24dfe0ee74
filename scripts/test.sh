#!/usr/bin/env bash
# Runs every test of ZtFunc32 on a fresh Debian machine:
#   1. installs what is missing (as root, or through sudo),
#   2. checks the formatting (clang-format 14) and, after the native build,
#      runs clang-tidy 14 (.clang-tidy) on the library's own code,
#   3. builds the native, sanitizer, fuzz, 64-bit and 32-bit Windows targets, with
#      warnings as errors,
#   4. runs the native tests, the sanitizer builds' tests (the thread
#      sanitizer's: the cases where threads meet), every fuzz target for 20
#      seconds on its corpus (scripts/fuzz.sh), and the same tests
#      of the 64-bit and the shipped 32-bit Windows builds under wine64 and the
#      32-bit wine in Xvfb (the INI differential native/Wine and the static
#      checks of the DLLs among them), and the soak (scripts/soak.sh) of the
#      sanitizer builds and of both Windows builds for 40 s each,
#   5. builds the release packages (zip), checks their contents, and runs each
#      package's zthost.exe on the demo script in a fresh Wine prefix.
#      On a kernel that cannot run 32-bit x86 programs, the 32-bit build and
#      its package are checked statically only, and the script says so.
# Prints how long each stage took; exits non-zero when anything failed.
set -euo pipefail
cd "$(dirname "$0")/.."

# How long the soak of each target runs here (scripts/soak.sh 3600 is the long run).
soak_seconds=40
packages=(cmake make g++ python3 clang-format-14 clang-tidy-14 clang-14 libclang-rt-14-dev googletest libbenchmark-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 xvfb unzip llvm-14 lld-14)
timings=()
prefix64="$PWD/build/win64/wineprefix"
prefix32="$PWD/build/win32/wineprefix"
source scripts/wine_session.sh
trap stop_display_and_wine EXIT

stage() {
    local name=$1
    shift
    local start=$SECONDS
    echo "=== $name"
    "$@"
    timings+=("$(printf '%-34s %4ds' "$name" $((SECONDS - start)))")
}

# build PRESET [TARGET...]
build() {
    local preset=$1
    shift
    cmake --preset "$preset" -DZT_WERROR=ON >/dev/null
    cmake --build --preset "$preset" ${1:+--target "$@"}
}

check_format() {
    git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run --Werror
}

# clang-tidy on the library (not the tests or stand-ins), with the native
# build's compile commands minus the one GCC option clang does not know.
check_tidy() {
    local database=build/native/tidy
    mkdir -p "$database"
    sed 's/ -fno-gnu-unique//g' build/native/compile_commands.json >"$database/compile_commands.json"
    local root
    root=$(printf '%s' "$PWD" | sed 's/[][\\.*^$+?(){}|]/\\&/g')
    run-clang-tidy-14 -p "$database" -j 2 -quiet "^$root/(earlier|frame|hotspots|library|mfc|numeric|platform|settings|system|tags)/"
}

stage "install missing packages" scripts/install-missing-packages.sh "${packages[@]}"
stage "format check" check_format
stage "build native" build native
stage "clang-tidy" check_tidy
stage "test native" ctest --preset native
stage "build native-asan" build native-asan zt_tests zt_process_tests zt_thread_tests numeric_results plain_c_host zt_out_of_memory_tests zt_earlier_tests soakhost
stage "test native-asan" ctest --preset native-asan
stage "soak native-asan" scripts/soak.sh "$soak_seconds" native-asan
stage "build native-tsan" build native-tsan zt_process_tests zt_thread_tests soakhost
stage "test native-tsan" ctest --preset native-tsan
stage "soak native-tsan" scripts/soak.sh "$soak_seconds" native-tsan
stage "build native-fuzz" build native-fuzz
stage "fuzz every target for 20 s" env ZT_FUZZ_NO_BUILD=1 scripts/fuzz.sh 20
stage "build win64" build win64
stage "start Xvfb" start_display
stage "prepare Wine prefix win64" prepare_wine "$prefix64" win64 "$wine64"
stage "test win64 under wine64" ctest --preset win64
stage "soak win64" scripts/soak.sh "$soak_seconds" win64
stage "package win64" cmake --build --preset win64 --target package
stage "try package win64 under wine64" tests/package/check_package.sh \
    build/win64/ZtFunc32-3.8.0.0-win64.zip "$wine64"
stage "build win32" build win32
if runs_32bit_programs; then
    stage "prepare Wine prefix win32" prepare_wine "$prefix32" win32 "$wine32"
    stage "test win32 under wine" ctest --preset win32
    stage "soak win32" scripts/soak.sh "$soak_seconds" win32
    stage "package win32" cmake --build --preset win32 --target package
    stage "try package win32 under wine" tests/package/check_package.sh \
        build/win32/ZtFunc32-3.8.0.0-win32.zip "$wine32"
else
    echo "NOTE: this machine's kernel does not run 32-bit x86 programs (the 32-bit" >&2
    echo "      wine loader fails with 'Exec format error'), so the shipped 32-bit" >&2
    echo "      DLL is built and checked statically here but not executed." >&2
    # CTest would run the test programs to list their cases (and fail), so the
    # build drops them before its static checks.
    stage "configure win32 without test programs" cmake --preset win32 -DZT_WERROR=ON -DZT_BUILD_TESTS=OFF
    stage "test win32 (static checks only)" ctest --preset win32 -R '^(dll_static_checks|earlier_dll_static_checks|reproducible_dll)$'
    stage "package win32" cmake --build --preset win32 --target package
    stage "check package win32" tests/package/check_package.sh build/win32/ZtFunc32-3.8.0.0-win32.zip
fi

echo "=== stage times"
printf '%s\n' "${timings[@]}"
echo "all stages passed"
