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
lettore_pid=""
lettore() {  # MODE [ARGUMENTS]: starts the reader in the background
    /usr/bin/python3 "$qui/lettore_schermo.py" "$@" >"$lavoro/lettore.log" 2>&1 &
    lettore_pid=$!
    da_terminare+=("$lettore_pid")
}
letto() {  # MODE: waits for the reader, and fails with what it saw
    local stato=0
    wait "$lettore_pid" || stato=$?
    cat "$lavoro/lettore.log"
    [ "$stato" -eq 0 ] || fallisci "the screen reader check ($1) failed"
}

# The reader listens before the program starts, so the program hears of it at start-up.
lettore esercizio "$lavoro/pronto"
attendi 20 "the screen reader to listen" test -e "$lavoro/pronto" || { letto esercizio; fallisci "the reader did not start"; }
avvia_programma "$programma"
letto esercizio
attendi_fine_programma '"Esci" (E S C I), pressed through AT-SPI,'

# libfaketime comes before the sanitizer's runtime in the preload list; tell ASan it is fine.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
# Under the fake clock fontconfig finds the system's font caches newer than "now" and would
# write them anew; a private cache folder, first in its list, takes those writes instead.
mkdir "$lavoro/cache-caratteri"
cat >"$lavoro/fonts.conf" <<FINE
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <cachedir>$lavoro/cache-caratteri</cachedir>
  <include ignore_missing="no">/etc/fonts/fonts.conf</include>
</fontconfig>
FINE
avvio=$(date +%s.%N)
avvia_programma env TZ=Europe/Rome FONTCONFIG_FILE="$lavoro/fonts.conf" faketime '2026-03-29 01:59:40' "$programma"
lettore ora_legale "$avvio"
letto ora_legale
kill "$kestrano_pid"
echo "1 passed, 0 failed"
