#!/usr/bin/env bash
# What a blind pupil hears: the real program under Xvfb with a window manager, a private session
# bus, speech-dispatcher (espeak-ng, to a null audio sink) and the screen reader Orca with its
# settings as installed and its debug log. Orca is started after the program, as a teacher turns
# it on for a pupil, with the accessibility bus already up as on a desktop; one drill path is taken by keys
# alone, and each line Orca sends to speech and braille is compared with the text the window
# shows at that step (orca_parla.py). Then the program starts again, with Orca listening from
# the first moment.
# Usage: orca_parla.sh PATH_TO_KESTRANO
set -euo pipefail
programma=$1
qui=$(dirname "$0")
source "$qui/xvfb_comune.sh"
# Orca spawns speech-dispatcher, which outlives it; both are this check's own, found by its
# folder, and are waited for: Orca refuses to start while another Orca of this user runs (and
# its replace option would end every one of them, so it is never used).
finisci() {
    pkill -f -- "$lavoro" 2>/dev/null || true
    attendi 10 "Orca to end" nessuna_orca_nostra || true
    pulisci
}
nessuna_orca_nostra() { ! pgrep -f -- "$lavoro" >/dev/null; }
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
avvia_programma "$programma"
attendi_finestra "^Gli obiettivi dell'addizione$"
# Orca as installed, its debug log written line by line (Orca buffers it, and an idle Orca
# would keep its last lines back).
/usr/bin/python3 - "$lavoro/orca.log" >"$lavoro/orca.out" 2>&1 <<'FINE' &
import builtins, runpy, sys
registro, apri = sys.argv[1], builtins.open
builtins.open = lambda f, modo="r", *a, **k: apri(f, modo, 1) if f == registro else apri(f, modo, *a, **k)
sys.argv = ["/usr/bin/orca", "--debug-file", registro]
runpy.run_path("/usr/bin/orca", run_name="__main__")
FINE
da_terminare+=($!)
# Orca listens once it has said the focused button of the active window.
parlato() { grep -q "SPEECH OUTPUT: 'IL METRO E I SUOI MULTIPLI" "$lavoro/orca.log" 2>/dev/null; }
attendi 30 "Orca to speak" parlato || { tail -n 20 "$lavoro/orca.out"; fallisci "Orca did not start speaking"; }
stato=0
/usr/bin/python3 "$qui/orca_parla.py" "$lavoro/orca.log" dopo || stato=$?
if [ "$stato" -eq 0 ]; then
    attendi_fine_programma '"E S C I"'
    letto=$(wc -l <"$lavoro/orca.log")
    avvia_programma "$programma"
    /usr/bin/python3 "$qui/orca_parla.py" "$lavoro/orca.log" prima "$letto" || stato=$?
fi
[ "$stato" -eq 0 ] || { grep -E "SPEECH OUTPUT|BRAILLE LINE" "$lavoro/orca.log" | tail -n 40; fallisci "Orca did not say what the windows show"; }
echo "1 passed, 0 failed"
