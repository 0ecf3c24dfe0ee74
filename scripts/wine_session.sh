# Sourced by scripts/test.sh and scripts/soak.sh: an X display for Wine's
# windows (Xvfb) and the Wine prefixes the Windows builds run in. Each
# function keeps to what the caller set up before it.
#
#   wine64, wine32        the loaders (Debian keeps them out of PATH; wine is
#                         the 32-bit one once wine32:i386 is installed)
#   start_display         starts Xvfb on a free display, unless DISPLAY is set
#   prepare_wine PREFIX WINEARCH LOADER
#                         makes the prefix (its first start takes a while) and
#                         keeps its server running
#   stop_display_and_wine stops the servers of the prefixes prepared here and
#                         the Xvfb started here
#   runs_32bit_programs   whether this kernel runs 32-bit x86 programs

wine64=/usr/lib/wine/wine64
wine32=/usr/lib/wine/wine
wine_session_prefixes=()

start_display() {
    [ -z "${DISPLAY:-}" ] || return 0
    local display
    for display in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && return
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

# The server comes first: Wine's background services then start from
# wineboot, with no output of their own, and not from a program whose output
# a caller waits for. A crashing program must fail, not wait for a click on
# Wine's crash dialog. The 32-bit loader needs a prefix of its own, made with
# WINEARCH=win32.
prepare_wine() {
    local -x WINEPREFIX=$1 WINEARCH=$2 WINEDEBUG=-all
    local loader=$3
    wine_session_prefixes+=("$WINEPREFIX")
    wineserver -p >/dev/null 2>&1 &
    timeout 180 "$loader" wineboot -i >/dev/null 2>&1 || true
    timeout 60 "$loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD \
        /d 0 /f >/dev/null 2>&1
}

stop_display_and_wine() {
    local prefix
    for prefix in "${wine_session_prefixes[@]}"; do
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    done
    [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
}

# Some kernels are built or booted without 32-bit x86 support (IA32
# emulation); the 32-bit wine loader, itself a 32-bit Linux program, then
# cannot start at all. Exit status 126 is the shell's "cannot execute".
runs_32bit_programs() {
    local status=0
    "$wine32" --version >/dev/null 2>&1 || status=$?
    [ "$status" -ne 126 ]
}
