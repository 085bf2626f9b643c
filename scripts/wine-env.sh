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
    local n=100
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
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
