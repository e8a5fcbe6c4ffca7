# Shared by the real-window checks: a private Xvfb server, waiting for windows by title, and
# clean-up on exit. Sourced; sets DISPLAY and $lavoro (a scratch folder removed at exit).
lavoro=$(mktemp -d)
xvfb_pid=""
kestrano_pid=""
pulisci() {
    [ -n "$kestrano_pid" ] && kill "$kestrano_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT
fallisci() { echo "FAIL: $*"; exit 1; }

avvia_xvfb() {
    # A free display number, chosen by the server itself.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$lavoro/display" 2>"$lavoro/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$lavoro/display" ] && break; sleep 0.05; done
    [ -s "$lavoro/display" ] || fallisci "Xvfb did not start"
    export DISPLAY=":$(cat "$lavoro/display")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

attendi_finestra() {  # TITLE_REGEX -> prints the window id once it is mapped (within 20 s)
    local id
    for _ in $(seq 400); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

attendi_sparita() {  # TITLE_REGEX
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

attendi_fine_processo() {  # PID; true once it has ended
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
    return 1
}
