# Sourced by the scripts that run Windows programs: the Wine settings they share.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Starts a virtual X display on a free number unless display_wanted is "user"
# and the user has one; sets DISPLAY and xvfb_pid.
start_display() {
    xvfb_pid=
    if [ "${1:-}" = user ] && [ -n "${DISPLAY:-}" ]; then
        return
    fi
    # Xvfb picks a free display number itself and writes it to the pipe, so
    # that test runs started side by side never race for the same number.
    local fifo n
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/xvfb-display.XXXXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$n"
}

# Starts the prefix's wineserver and services before any test does: started
# from a test, they would inherit its output pipes and keep ctest waiting for
# them to close. The keeper then holds the virtual desktop open.
start_wine() {  # keeper.exe
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot </dev/null >/dev/null 2>&1
    "$wine" "$1" </dev/null >/dev/null 2>&1 &
}

stop_wine_and_display() {
    [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k >/dev/null 2>&1 || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
