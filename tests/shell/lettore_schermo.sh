#!/usr/bin/env bash
# The real program as a screen reader meets it: under Xvfb, with a session bus and the AT-SPI
# bus, it is read through AT-SPI (lettore_schermo.py): what each window shows, a verified
# answer and the announcement of the next question. A second run under libfaketime starts at
# 01:59:40 on the day summer time starts in Europe/Rome; an answer verified after 02:00 (when
# the clock jumps to 03:00) must show its real seconds.
# Usage: lettore_schermo.sh PATH_TO_KESTRANO
set -euo pipefail
programma=$1
qui=$(dirname "$0")
source "$qui/xvfb_comune.sh"
avvia_xvfb
avvia_bus_di_sessione
export DBUS_SESSION_BUS_ADDRESS=$bus
export XDG_RUNTIME_DIR=$lavoro/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
lettore() {  # MODE [ARGUMENTS]: reads the running program, and fails with what it saw
    /usr/bin/python3 "$qui/lettore_schermo.py" "$@" >"$lavoro/lettore.log" 2>&1 || {
        cat "$lavoro/lettore.log"
        fallisci "the screen reader check ($1) failed"
    }
    cat "$lavoro/lettore.log"
}

avvia_programma "$programma"
lettore esercizio
attendi_fine_programma '"Esci" (E S C I), pressed through AT-SPI,'

# libfaketime comes before the sanitizer's runtime in the preload list; tell ASan it is fine.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
avvio=$(date +%s.%N)
avvia_programma env TZ=Europe/Rome faketime '2026-03-29 01:59:40' "$programma"
lettore ora_legale "$avvio"
kill "$kestrano_pid"
echo "1 passed, 0 failed"
