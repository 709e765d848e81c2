# A private Wine session: its own Xvfb display and its own prefix inside a build folder.
# Everything it starts is stopped by process id (Xvfb) or through the prefix's own
# server (wineserver -k), never by name.
#
#   wine_session_start <build-folder>   exports DISPLAY and WINEPREFIX
#   wine_session_stop
#
# WINE_SCREEN sets the virtual screen (default 1024x768x24). WINE_MONITORS=2 gives Wine two
# monitors instead: the primary at 0,0-1024,768 and a second right of it at 1024,0-1824,600.
# Wine reads monitors from XRandR first, and Xvfb's RandR has one output whatever its
# screens; a nested Xephyr with Xinerama on and RandR off shows both heads to Wine.

SUITE_XVFB_PID=""
SUITE_XEPHYR_PID=""
# Every Wine program of a session starts through the one wrapper that ctest uses too.
SUITE_WINE="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/cmake/wine-exec"

wine_session_env() {
    export WINEPREFIX="$1/wineprefix"
    export WINEARCH=win64
    # Wine's own error lines only: they say why a program could not start.
    export WINEDEBUG=-all,err+all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # The programs are Japanese; run them as on a Japanese system.
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
}

# Starts an X server on the first free display number from 90 on: the server's program,
# its log's name, then its options after the display. Sets SUITE_X_PID and SUITE_X_DISPLAY.
wine_session_start_server() {
    local program="$1" log="$2" number
    shift 2
    for number in $(seq 90 250); do
        [ -e "/tmp/.X${number}-lock" ] && continue
        [ -e "/tmp/.X11-unix/X${number}" ] && continue
        "$program" ":${number}" "$@" >"$WINEPREFIX.$log.log" 2>&1 </dev/null &
        SUITE_X_PID=$!
        local tries
        for tries in $(seq 1 100); do
            if ! kill -0 "$SUITE_X_PID" 2>/dev/null; then
                break  # taken meanwhile; try the next number
            fi
            if xdpyinfo -display ":${number}" >/dev/null 2>&1; then
                SUITE_X_DISPLAY=":${number}"
                return 0
            fi
            sleep 0.1
        done
        kill "$SUITE_X_PID" 2>/dev/null
        wait "$SUITE_X_PID" 2>/dev/null
    done
    echo "wine-session: no free X display" >&2
    return 1
}

# Starts Xvfb, and with WINE_MONITORS=2 the two-headed Xephyr inside it; exports DISPLAY.
wine_session_start_display() {
    wine_session_start_server Xvfb xvfb -screen 0 "${WINE_SCREEN:-1024x768x24}" -dpi 96 \
        -nolisten tcp -noreset || return 1
    SUITE_XVFB_PID=$SUITE_X_PID
    export DISPLAY=$SUITE_X_DISPLAY
    if [ "${WINE_MONITORS:-1}" = 2 ]; then
        wine_session_start_server Xephyr xephyr -screen 1024x768 -screen 800x600 +xinerama \
            -extension RANDR -dpi 96 -nolisten tcp -noreset || return 1
        SUITE_XEPHYR_PID=$SUITE_X_PID
        export DISPLAY=$SUITE_X_DISPLAY
    fi
}

# Registry settings from a .reg text (UTF-8 here, UTF-16 for regedit).
wine_session_import() {
    local file="$WINEPREFIX.$1.reg"
    iconv -f UTF-8 -t UTF-16 >"$file"
    "$SUITE_WINE" regedit /S "$("$SUITE_WINE" winepath -w "$file" 2>/dev/null)" \
        >/dev/null 2>&1 </dev/null
}

# Japanese faces mapped to the installed IPA fonts so that captions render as glyphs, and
# Wine's symbol font (caption buttons), which this Wine build does not find on its own.
wine_session_fonts() {
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        local face
        for face in "MS UI Gothic" "MS PGothic" "ＭＳ Ｐゴシック" "MS Shell Dlg" "MS Shell Dlg 2" \
                    "Tahoma" "Meiryo UI" "メイリオ"; do
            printf '"%s"="IPAPGothic"\r\n' "$face"
        done
        for face in "MS Gothic" "ＭＳ ゴシック"; do
            printf '"%s"="IPAGothic"\r\n' "$face"
        done
        printf '\r\n'
    } | wine_session_import fonts
    if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
}

# Without a window manager on Xvfb, Wine would wait 2 s at every hide of a titled window.
# Without an X tray, Wine would show the programs' notification icons in a window of its
# own at the screen's top-left corner, over the programs' windows; Windows keeps them in the
# taskbar.
wine_session_registry() {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"ShowSystray"="N"\r\n\r\n' |
        wine_session_import settings
    wine_session_fonts
}

wine_session_start() {
    wine_session_env "$1"
    mkdir -p "$1"
    wine_session_start_display || return 1
    local fresh=0 settled=0
    [ -f "$WINEPREFIX/system.reg" ] || fresh=1
    grep -q '"ShowSystray"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && settled=1
    # The server and the first programs must not inherit the callers' pipes (ctest would
    # wait for them), so they start detached and with the display already set.
    wineserver -p >/dev/null 2>&1 </dev/null
    if [ "$fresh" = 1 ]; then
        "$SUITE_WINE" wineboot -i >/dev/null 2>&1 </dev/null
    else
        "$SUITE_WINE" wineboot >/dev/null 2>&1 </dev/null
    fi
    wine_session_registry
    if [ "$settled" = 0 ]; then
        # Wine's desktop, started by wineboot, reads the X11 driver's settings once: start it
        # again with the settings above (the notification-area window would stand otherwise).
        wineserver -k >/dev/null 2>&1 </dev/null || true
        wineserver -w >/dev/null 2>&1 </dev/null || true
        wineserver -p >/dev/null 2>&1 </dev/null
        "$SUITE_WINE" wineboot >/dev/null 2>&1 </dev/null
    fi
    if [ -n "${WINE_KEEPER:-}" ] && [ -f "$WINE_KEEPER" ]; then
        # One hidden window for the whole session keeps Wine's desktop process alive.
        "$SUITE_WINE" "$WINE_KEEPER" >/dev/null 2>&1 </dev/null &
    fi
}

wine_session_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1 </dev/null || true
        wineserver -w >/dev/null 2>&1 </dev/null || true
    fi
    local pid
    for pid in "$SUITE_XEPHYR_PID" "$SUITE_XVFB_PID"; do
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    SUITE_XEPHYR_PID=""
    SUITE_XVFB_PID=""
}
