# Shared by the scripts: paths, one Xvfb display and one Wine prefix per run.
# Source it; it defines functions only.

SPINDRIFT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

log() { printf '\033[1m== %s\033[0m\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Waits until a command succeeds, polling every 0.2 s; fails after $1 seconds.
wait_for() {
    local timeout=$1; shift
    local deadline=$((SECONDS + timeout))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# Which Windows build the tests run: "win32", the program as released, under
# 32-bit Wine; or "win64", the same sources built for 64-bit Windows, under
# 64-bit Wine, on a machine whose kernel does not run 32-bit Linux programs
# (its IA-32 emulation switched off), where 32-bit Wine cannot start at all.
# Exports SPINDRIFT_WINDOWS_ARCH, and for win64 puts 64-bit Wine first in PATH
# under the usual names. The release is always the 32-bit program.
choose_windows_arch() {
    if [ -z "${SPINDRIFT_WINDOWS_ARCH:-}" ]; then
        SPINDRIFT_WINDOWS_ARCH=win32
        if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine64 ]; then
            SPINDRIFT_WINDOWS_ARCH=win64
        fi
        export SPINDRIFT_WINDOWS_ARCH
    fi
    if [ "$SPINDRIFT_WINDOWS_ARCH" = win64 ]; then
        case ":$PATH:" in
        *":$SPINDRIFT_ROOT/scripts/lib/wine64:"*) ;;
        *) export PATH="$SPINDRIFT_ROOT/scripts/lib/wine64:$PATH" ;;
        esac
    fi
}

# Starts a private Xvfb (1920x1080x24 unless $1 gives another WxHxD) on a free
# display number, which the server picks itself (-displayfd), and exports
# DISPLAY. Stop it with stop_xvfb.
start_xvfb() {
    local fifo screen=${1:-1920x1080x24}
    fifo=$(mktemp -u /tmp/spindrift-xvfb.XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    SPINDRIFT_XVFB_PID=$!
    local n=""
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    [ -n "$n" ] || die "could not start Xvfb"
    export DISPLAY=":$n"
    wait_for 15 xdpyinfo -display "$DISPLAY" || die "Xvfb on $DISPLAY does not answer"
}

stop_xvfb() {
    if [ -n "${SPINDRIFT_XVFB_PID:-}" ]; then
        kill "$SPINDRIFT_XVFB_PID" 2>/dev/null
        wait "$SPINDRIFT_XVFB_PID" 2>/dev/null
        SPINDRIFT_XVFB_PID=
    fi
}

# Creates a fresh Wine prefix in $1 for the chosen Windows build and exports it. No crash dialogs
# (a crashing test must end, not wait for a click), no Mono or Gecko prompts.
make_wine_prefix() {
    choose_windows_arch
    export WINEPREFIX=$1 WINEARCH=$SPINDRIFT_WINDOWS_ARCH WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot --init >/dev/null 2>&1 || die "wineboot failed"
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
}

# Copies the Wine prefix $1 to $2 (much faster than another wineboot), sets its
# display to $3 DPI and exports it. Wine 8 takes the DPI from LogPixels under
# HKCU\Control Panel\Desktop, else from the machine's value under
# HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts, and
# reads it when its server starts. A scale that did not take would leave the
# tests meant for it passing at 96 DPI: the display is asked, through the
# end-to-end tests' probe, and anything but $3 stops the run.
make_scaled_wine_prefix() {
    WINEPREFIX=$1 wineserver -k 2>/dev/null || true
    WINEPREFIX=$1 wineserver -w
    rm -rf "$2"
    cp -a "$1" "$2"
    export WINEPREFIX=$2
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f >/dev/null ||
        die "could not set $2 to $3 DPI"
    wineserver -k 2>/dev/null || true
    wineserver -w
    local dpi probe="$SPINDRIFT_ROOT/build/$SPINDRIFT_WINDOWS_ARCH/spindrift-probe.exe"
    dpi=$(printf 'dpi\nquit\n' | wine "$probe")
    [ "$dpi" = "ok $3" ] || die "the display of $2 answers '$dpi', not $3 DPI"
}

# Stops the wineserver of our prefix (and with it every program in it).
# A server that has already gone is no failure: under "set -e" the script's
# exit trap must not turn a green run red.
stop_wine() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
}
