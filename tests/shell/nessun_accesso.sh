#!/usr/bin/env bash
# The real program, traced from start to "E S C I" on a real X server, in the sessions it may
# meet: a desktop's (a runtime folder and a session bus) and bare ones (no runtime folder, one
# named that does not exist, no session bus with a stand-in dbus-launch first in PATH). In each
# it opens no network socket (only the local X and D-Bus sockets), creates or writes no file or
# folder, runs no other program, and says nothing of runtime folders.
# Usage: nessun_accesso.sh PATH_TO_KESTRANO PATH_TO_POSIZIONI
set -euo pipefail
programma=$1
source "$(dirname "$0")/xvfb_comune.sh"
leggi_posizioni "$2"
avvia_xvfb
avvia_bus_di_sessione
mkdir -m 700 "$lavoro/runtime"
# D-Bus autolaunch would run dbus-launch from PATH; this one leaves a mark if it is run.
mkdir "$lavoro/bin"
printf '#!/bin/sh\ntouch "%s"\nexit 1\n' "$lavoro/dbus-launch-eseguito" >"$lavoro/bin/dbus-launch"
chmod +x "$lavoro/bin/dbus-launch"
# LeakSanitizer cannot run under a tracer (it aborts at exit, or hangs): leaks are the walk's and
# the soak's concern, this run looks only at sockets, files and programs.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

traccia() {  # SESSION ENV_ARGUMENTS...: one traced run, the environment changed by env's arguments
    # (its -u options first)
    local sessione=$1
    shift
    rm -f "$lavoro/traccia"
    avvia_programma env "$@" strace -f -qq -e trace=%network,%file,%process -o "$lavoro/traccia" "$programma"
    attendi_finestra "Gli obiettivi dell'addizione"
    local inizio=$finestra
    # Both quizzes and the info window, then "E S C I".
    clicca "$inizio" FrmInizioMultpli Command1
    attendi_finestra 'I MULTIPLI$'
    xdotool windowraise "$inizio"
    clicca "$inizio" FrmInizioMultpli Command2
    attendi_finestra 'I SOTTOMULTIPLI$'
    xdotool windowraise "$inizio"
    clicca "$inizio" FrmInizioMultpli Command7 mousedown 1
    attendi_finestra '^INFO$'
    xdotool mouseup 1
    attendi_sparita '^INFO$'
    clicca "$inizio" FrmInizioMultpli Command9
    attendi_fine_programma '"E S C I"'

    local t=$lavoro/traccia
    grep -q 'X11-unix' "$t" || fallisci "$sessione: the trace saw no X connection: it traced nothing"
    local rete scritture programmi
    rete=$(grep -E 'socket\(' "$t" | grep -vE 'socket\((AF_UNIX|AF_LOCAL),' || true)
    [ -z "$rete" ] || fallisci "$sessione: network sockets opened: $rete"
    scritture=$(grep -E '^[0-9]+ +(open(at)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|creat|truncate|link|linkat|symlink|symlinkat)\()' "$t" \
        | grep -vE '"/dev/|"/proc/' | grep -vE '= -1 E' || true)
    [ -z "$scritture" ] || fallisci "$sessione: files written: $scritture"
    # The only program run is the program itself, whose start the trace shows first.
    programmi=$(grep -E '^[0-9]+ +execve' "$t" | tail -n +2 || true)
    [ -z "$programmi" ] || fallisci "$sessione: other programs run: $programmi"
    [ ! -e "$lavoro/dbus-launch-eseguito" ] || fallisci "$sessione: dbus-launch was run"
    [ -z "$(ls -A "$lavoro/runtime")" ] || fallisci "$sessione: files left in the runtime folder: $(ls -A "$lavoro/runtime")"
    [ ! -e "$lavoro/mancante" ] || fallisci "$sessione: the missing runtime folder was created"
    ! grep -qiE 'XDG_RUNTIME_DIR|runtime directory' "$lavoro/kestrano.log" \
        || fallisci "$sessione: the program spoke of its runtime folder"
}

traccia "desktop session" XDG_RUNTIME_DIR="$lavoro/runtime" DBUS_SESSION_BUS_ADDRESS="$bus"
traccia "no runtime folder, no session bus" -u XDG_RUNTIME_DIR -u DBUS_SESSION_BUS_ADDRESS PATH="$lavoro/bin:$PATH"
traccia "a missing runtime folder, no session bus" -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$lavoro/mancante" \
    PATH="$lavoro/bin:$PATH"
echo "1 passed, 0 failed"
