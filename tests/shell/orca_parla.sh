#!/usr/bin/env bash
# What a blind pupil hears and reads: the real program under Xvfb with a window manager, a
# private session bus, speech-dispatcher (espeak-ng, to a null audio sink), a braille display
# with no device (brltty's TTY driver on a pseudo-terminal, whose other end is read), and the
# screen reader Orca with its settings as installed and its debug log. Orca is started three
# times, as a teacher turns it on for a pupil: after the program, starting the accessibility
# bus itself; after the program, with the bus already up as on a desktop (one drill path by
# keys alone); and before the program. Each line Orca sends to speech and braille is compared
# with the text the window shows at that step (orca_parla.py). The program's clock stands
# still at a time whose draw is a question with "l'hm".
# Usage: orca_parla.sh PATH_TO_KESTRANO
set -euo pipefail
programma=$1
qui=$(dirname "$0")
source "$qui/xvfb_comune.sh"
# Orca spawns speech-dispatcher, which outlives it; both are this check's own and are waited for:
# Orca refuses to start while another Orca of this user runs (and its replace option would end
# every one of them, so it is never used). Orca renames its process, so it is known by its pid.
orche=()
finita() { ! ps -o stat= -p "$1" 2>/dev/null | grep -qv Z; }  # gone, or a zombie not yet collected
ferma_orca() {  # PID (whether the program still runs or not)
    kill "$1" 2>/dev/null || true
    entro 10 finita "$1" || kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
finisci() {
    local o
    for o in "${orche[@]}"; do ferma_orca "$o"; done
    pkill -f -- "$lavoro" 2>/dev/null || true
    entro 10 nessuno_nostro || true
    pulisci
}
nessuno_nostro() { ! pgrep -f -- "$lavoro" >/dev/null; }
trap finisci EXIT
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIP: Orca already runs for this user; this check starts its own"
    exit 77
fi
avvia_xvfb
avvia_bus_di_sessione
export DBUS_SESSION_BUS_ADDRESS=$bus
export XDG_RUNTIME_DIR=$lavoro/runtime HOME=$lavoro/casa
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
# No sound card here: speech goes to ALSA's null device.
printf '%s\n' 'AudioOutputMethod "alsa"' 'DefaultModule espeak-ng' \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
openbox >"$lavoro/openbox.log" 2>&1 &
da_terminare+=($!)
gestito() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
attendi 10 "the window manager" gestito || fallisci "openbox did not start"
# The braille display: brltty's TTY driver writes each line it shows, as text then as dots, to a
# pseudo-terminal; what comes out at the other end is kept (display.out).
/usr/bin/python3 - "$lavoro/display.out" >"$lavoro/pty" <<'FINE' &
import os, sys
capo, coda = os.openpty()
print(os.ttyname(coda), flush=True)
with open(sys.argv[1], "ab", buffering=0) as uscita:
    while dati := os.read(capo, 4096):
        uscita.write(dati)
FINE
da_terminare+=($!)
attendi 10 "the pseudo-terminal" test -s "$lavoro/pty" || fallisci "no pseudo-terminal"
export BRLAPI_HOST=:$((100 + $$ % 800))
brltty -n -q -e -f /dev/null -b tt -d "serial:$(sed 's,^/dev/,,' "$lavoro/pty")" -B lines=1,columns=80,charset=UTF-8 \
    -s no -x no -A "auth=none,host=$BRLAPI_HOST" -W "$lavoro" -U "$lavoro" >"$lavoro/brltty.log" 2>&1 &
da_terminare+=($!)
braille_pronto() { /usr/bin/python3 -c 'import brlapi; brlapi.Connection().closeConnection()' 2>/dev/null; }
attendi 10 "brltty" braille_pronto || fallisci "brltty did not start: $(cat "$lavoro/brltty.log")"
# The program, its clock standing still (its timers run on the steady clock, left true).
kestrano() {
    avvia_programma env TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '2026-12-09 10:00:02' "$programma"
    attendi_finestra "^Gli obiettivi dell'addizione$"
}
bus_accessibile() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus | grep -q true
}
# Orca as installed, its debug log written line by line (Orca buffers it, and an idle Orca
# would keep its last lines back); it listens once it has said the focused button.
orca() {  # LOG
    /usr/bin/python3 - "$1" >>"$lavoro/orca.out" 2>&1 <<'FINE' &
import builtins, runpy, sys
registro, apri = sys.argv[1], builtins.open
builtins.open = lambda f, modo="r", *a, **k: apri(f, modo, 1) if f == registro else apri(f, modo, *a, **k)
sys.argv = ["/usr/bin/orca", "--debug-file", registro]
runpy.run_path("/usr/bin/orca", run_name="__main__")
FINE
    orche+=($!)
    parlato() { grep -q "SPEECH OUTPUT: 'IL METRO E I SUOI MULTIPLI" "$1" 2>/dev/null; }
    attendi 30 "Orca to speak" parlato "$1" || { tail -n 20 "$lavoro/orca.out"; fallisci "Orca did not start speaking"; }
}
ascolta() {  # LOG MODE [LINES_ALREADY_READ]
    /usr/bin/python3 "$qui/orca_parla.py" "$1" "$lavoro/display.out" "$2" ${3:+"$3"} && return
    grep -E "SPEECH OUTPUT|BRAILLE LINE" "$1" | tail -n 40
    fallisci "Orca did not say what the windows show ($2)"
}
# 1. The program, then Orca, which starts the accessibility bus.
kestrano
bus_accessibile && fallisci "an accessibility bus is up before the screen reader"
orca "$lavoro/orca1.log"
ascolta "$lavoro/orca1.log" bus_da_orca
attendi_fine_programma '"E S C I"'
ferma_orca "${orche[0]}"
# From here on, the braille settings the README gives the teacher, in the settings file Orca
# wrote: a message stays until the next (Orca 43 keeps a notification for its duration, Orca 48
# obeys "Messages are persistent").
/usr/bin/python3 - "$XDG_DATA_HOME/orca/user-settings.conf" <<'FINE' || fallisci "Orca's settings could not be set"
import json, sys
with open(sys.argv[1]) as f:
    impostazioni = json.load(f)
impostazioni["general"].update(brailleFlashTime=9999000, flashIsPersistent=True)
with open(sys.argv[1], "w") as f:
    json.dump(impostazioni, f, indent=4)
FINE
# 2. The accessibility bus is up (as on a desktop): the program, then Orca; one drill path.
bus_accessibile || fallisci "the accessibility bus went with Orca"
kestrano
orca "$lavoro/orca2.log"
ascolta "$lavoro/orca2.log" dopo
attendi_fine_programma '"E S C I"'
# 3. Orca listening, then the program.
letto=$(wc -l <"$lavoro/orca2.log")
kestrano
ascolta "$lavoro/orca2.log" prima "$letto"
echo "1 passed, 0 failed"
