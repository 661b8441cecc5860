# Sourced by the build and test scripts: a private Wine prefix under build/, created once,
# a display (Xvfb when there is none) and a wineserver that stays up while we run.
# Nothing of the developer's own ~/.wine is used.

KARVELO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${KARVELO_WINEPREFIX:-$KARVELO_ROOT/build/wine/prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The ANSI code page must be Windows-1252, as on the German systems the product is made for.
export LANG=C.UTF-8
unset LC_ALL

karvelo_wine_prefix() {
    local marker="$WINEPREFIX/.karvelo-ready"
    [ -f "$marker" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$marker" ] && exit 0
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        # "Arial" is drawn with Liberation Sans, which has Arial's metrics.
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial Bold' /d 'Liberation Sans Bold' /f >/dev/null 2>&1
        wineserver -w
        touch "$marker"
    ) 9>"$(dirname "$WINEPREFIX")/.prefix.lock"
}

karvelo_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        KARVELO_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
        kill "$KARVELO_XVFB_PID" 2>/dev/null || true
    done
    echo "no X display could be started" >&2
    return 1
}

# Starts everything Wine needs; karvelo_wine_stop undoes it.
karvelo_wine_start() {
    karvelo_display
    karvelo_wine_prefix
    wineserver -p >/dev/null 2>&1 || true
    # Start Wine's background services now, detached from any pipe: services started by
    # a test would inherit its output pipe and keep ctest waiting for it forever.
    wine cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 || true
}

karvelo_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${KARVELO_XVFB_PID:-}" ]; then kill "$KARVELO_XVFB_PID" 2>/dev/null || true; fi
}
