# Shared by the real-window checks: a private Xvfb server, the program started and watched,
# windows awaited by title, controls clicked by name, and a failure that shows its evidence
# (the program's exit status, its output, the end of its trace). Sourced; sets DISPLAY and
# $lavoro (a scratch folder removed at exit). Every wait is on a condition, polled.
lavoro=$(mktemp -d)
xvfb_pid=""
kestrano_pid=""
kestrano_stato=""
da_terminare=()  # other helpers a script starts (a session bus)
pulisci() {
    kill $kestrano_pid "${da_terminare[@]}" $xvfb_pid 2>/dev/null || true
    rm -rf "$lavoro"
}
trap pulisci EXIT

# Collects the program's exit status into $kestrano_stato once it has ended; empty while it runs.
# (Never call it in a subshell: only this shell can collect its child.)
aggiorna_stato() {
    if [ -z "$kestrano_stato" ] && [ -n "$kestrano_pid" ] && ! kill -0 "$kestrano_pid" 2>/dev/null; then
        kestrano_stato=0
        wait "$kestrano_pid" 2>/dev/null || kestrano_stato=$?
    fi
}

fallisci() {  # MESSAGE
    echo "FAIL: $*"
    aggiorna_stato
    if [ -n "$kestrano_stato" ]; then
        echo "the program ended with status $kestrano_stato"
    elif [ -n "$kestrano_pid" ]; then
        echo "the program is still running"
    fi
    local f
    for f in kestrano.log traccia xvfb.log; do
        [ -s "$lavoro/$f" ] && { echo "--- $f (its last 40 lines)"; tail -n 40 "$lavoro/$f"; }
    done
    exit 1
}

# Polls COMMAND every 50 ms for at most SECONDS.
entro() {  # SECONDS COMMAND...
    local fino=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$fino" ] && return 1
        sleep 0.05
    done
}
# The same, failing at once if the program has died.
attendi() {  # SECONDS WHAT COMMAND...
    local secondi=$1
    shift
    entro "$secondi" vero_se_vivo "$@"
}
vero_se_vivo() {  # WHAT COMMAND...: COMMAND's answer, once the program is known to run
    local cosa=$1
    shift
    "$@" && return
    aggiorna_stato
    [ -z "$kestrano_stato" ] || fallisci "the program ended while waiting for $cosa"
    return 1
}

avvia_xvfb() {  # [SCREEN_SIZE, 1024x768 by default]
    # -noreset: otherwise the server resets whenever its last client disconnects, and drops a
    # program that is connecting at that moment ("could not connect to display").
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$lavoro/display" 2>"$lavoro/xvfb.log" &
    xvfb_pid=$!
    attendi 10 "Xvfb" test -s "$lavoro/display" || fallisci "Xvfb did not start"
    export DISPLAY=":$(cat "$lavoro/display")"
    xdpyinfo >/dev/null 2>&1 || fallisci "Xvfb does not answer on $DISPLAY"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# GNOME's compositor, headless, with XWayland, as a GNOME session on Wayland has it, on its own
# session bus and runtime folder: sets DISPLAY (XWayland's), WAYLAND_DISPLAY and XAUTHORITY.
avvia_mutter() {
    avvia_bus_di_sessione
    export DBUS_SESSION_BUS_ADDRESS=$bus XDG_RUNTIME_DIR=$lavoro/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY XAUTHORITY
    # XWayland's socket folder, made at boot; a container's fresh /tmp lacks it (mutter 48 needs it).
    [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
    mutter --wayland --headless --virtual-monitor 1024x768 >"$lavoro/mutter.log" 2>&1 &
    da_terminare+=($!)
    pronta() { grep -q "Using Wayland display name" "$lavoro/mutter.log" && compgen -G "$XDG_RUNTIME_DIR/.mutter-X*"; }
    attendi 30 "mutter" pronta >/dev/null || fallisci "mutter did not start: $(tail -n 5 "$lavoro/mutter.log")"
    DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$lavoro/mutter.log")
    WAYLAND_DISPLAY=$(sed -n "s/.*Using Wayland display name '\(.*\)'.*/\1/p" "$lavoro/mutter.log")
    XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -1)
    export DISPLAY WAYLAND_DISPLAY XAUTHORITY
    attendi 30 "XWayland" xdpyinfo >/dev/null 2>&1 || fallisci "XWayland does not answer on $DISPLAY"
}

avvia_programma() {  # COMMAND...: runs it in the background, its output kept for the evidence
    kestrano_stato=""
    "$@" >"$lavoro/kestrano.log" 2>&1 &
    kestrano_pid=$!
}

# The program's own windows, by their class: a desktop's frames may be windows of the same title
# (mutter 48 draws them in a program of its own). Under Wine the class is the executable's name.
classe_programma=kestrano
sue() {  # TITLE_REGEX
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        xprop -id "$w" WM_CLASS 2>/dev/null | grep -q ", \"$classe_programma\"\$" && echo "$w"; done
}
trovata() {  # TITLE_REGEX: sets $finestra to the id of a mapped window with that title
    finestra=$(sue "$1" | head -1)
    [ -n "$finestra" ]
}
attendi_finestra() {  # TITLE_REGEX: sets $finestra to its id once it is mapped
    attendi 20 "the window '$1'" trovata "$1" || fallisci "the window '$1' did not appear"
}
sparita() { [ -z "$(sue "$1")" ]; }
attendi_sparita() {  # TITLE_REGEX
    attendi 10 "the window '$1' to go" sparita "$1" || fallisci "the window '$1' did not go"
}

# Waits for the program to end and fails unless its status is 0.
attendi_fine_programma() {  # WHAT_SHOULD_HAVE_ENDED_IT
    entro 10 finito || fallisci "$1 did not end the program"
    [ "$kestrano_stato" -eq 0 ] || fallisci "the program did not end cleanly"
}
finito() { aggiorna_stato; [ -n "$kestrano_stato" ]; }

avvia_bus_di_sessione() {  # a private D-Bus session bus, as a desktop session has: sets $bus
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$lavoro/bus" 4>"$lavoro/bus.pid" \
        || fallisci "no session bus"
    da_terminare+=("$(cat "$lavoro/bus.pid")")
    bus=$(head -1 "$lavoro/bus")
}

# Control positions, from the layout tables through the windows the program builds.
leggi_posizioni() {  # POSIZIONI_TOOL (a path or a command)
    "$1" >"$lavoro/posizioni" 2>/dev/null || fallisci "could not read the control positions"
}
scala=1  # device pixels to a layout pixel (2 at a 200 % display scale)
punto() {  # WINDOW_ID FORM CONTROL: sets $px $py, the control's centre on the screen
    local area controllo X Y WIDTH HEIGHT SCREEN bordo
    area=$(grep "^$2 _area " "$lavoro/posizioni") || fallisci "no window $2 in the layout"
    controllo=$(grep "^$2 $3 " "$lavoro/posizioni") || fallisci "no control $3 in $2"
    eval "$(xdotool getwindowgeometry --shell "$1")" || fallisci "window $1 ($2) is gone"
    set -- $area $controllo
    # The client area lies at the bottom of the window, below the menu bar, inside the frame
    # where the window draws its own (Wine with no window manager).
    bordo=$(((WIDTH - scala * $3) / 2))
    px=$((X + bordo + scala * $7)) py=$((Y + HEIGHT - bordo - scala * ($4 - $8)))
}
clicca() {  # WINDOW_ID FORM CONTROL [xdotool mouse command, "click 1" by default]
    local id=$1 forma=$2 controllo=$3
    shift 3
    punto "$id" "$forma" "$controllo"
    xdotool mousemove --sync "$px" "$py" ${@:-click 1}
}
