#!/usr/bin/env bash
# The real program, traced from start to "E S C I" on a real X server, opens no network socket
# (only the local X and D-Bus sockets) and creates or writes no file.
# Usage: nessun_accesso.sh PATH_TO_KESTRANO
set -euo pipefail
programma=$1
source "$(dirname "$0")/xvfb_comune.sh"
avvia_xvfb
# As in a desktop session, the runtime folder exists (without it Qt would create one).
export XDG_RUNTIME_DIR="$lavoro/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# LeakSanitizer cannot run under a tracer (it aborts at exit, or hangs): leaks are the walk's and
# the soak's concern, this run looks only at sockets and files.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
strace -f -qq -e trace=%network,%file -o "$lavoro/traccia" "$programma" >"$lavoro/kestrano.log" 2>&1 &
kestrano_pid=$!
inizio=$(attendi_finestra "Gli obiettivi dell'addizione") || fallisci "the start window did not appear"
eval "$(xdotool getwindowgeometry --shell "$inizio")"
menu=$((HEIGHT - 554))
# Open both quizzes and the info window, then "E S C I".
for punto in "465 227" "465 313"; do
    set -- $punto
    xdotool mousemove --sync $((X + $1)) $((Y + menu + $2)) click 1
    sleep 0.2
    xdotool windowraise "$inizio"
done
xdotool mousemove --sync $((X + 528)) $((Y + menu + 452)) mousedown 1
attendi_finestra '^INFO$' >/dev/null || fallisci "INFO did not appear"
xdotool mouseup 1
xdotool mousemove --sync $((X + 529)) $((Y + menu + 403)) click 1
attendi_fine_processo "$kestrano_pid" || fallisci "E S C I did not end the program"
stato=0
wait "$kestrano_pid" || stato=$?
kestrano_pid=""
[ "$stato" -eq 0 ] || { cat "$lavoro/kestrano.log"; fallisci "the program ended with status $stato"; }

rete=$(grep -E 'socket\(' "$lavoro/traccia" | grep -vE 'socket\((AF_UNIX|AF_LOCAL),' || true)
[ -z "$rete" ] || fallisci "network sockets opened: $rete"
scritture=$(grep -E '^[0-9]+ +(open(at)?\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|creat|truncate|link|linkat|symlink|symlinkat)\()' "$lavoro/traccia" \
    | grep -vE '"/dev/|"/proc/' | grep -vE '= -1 E' || true)
[ -z "$scritture" ] || fallisci "files written: $scritture"
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fallisci "files left in the runtime folder: $(ls -A "$XDG_RUNTIME_DIR")"
grep -q 'X11-unix' "$lavoro/traccia" || fallisci "the trace saw no X connection: it traced nothing"
echo "1 passed, 0 failed"
