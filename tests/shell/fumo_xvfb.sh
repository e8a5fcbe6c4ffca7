#!/usr/bin/env bash
# The real program on a real X server (Xvfb): opens a quiz, holds "Info" with the right and
# the left mouse button (moving off the button before the release), then "E S C I" must end
# the process. Usage: fumo_xvfb.sh PATH_TO_KESTRANO
set -euo pipefail
programma=$1
source "$(dirname "$0")/xvfb_comune.sh"
avvia_xvfb

"$programma" >"$lavoro/kestrano.log" 2>&1 &
kestrano_pid=$!
inizio=$(attendi_finestra "Gli obiettivi dell'addizione") || fallisci "the start window did not appear"
eval "$(xdotool getwindowgeometry --shell "$inizio")"
ix=$X iy=$Y
# The client area (554 pixels high) lies below the menu bar.
menu=$((HEIGHT - 554))
[ "$WIDTH" -eq 792 ] || fallisci "start window is $WIDTH pixels wide"
clicca_in() { xdotool mousemove --sync $((ix + $1)) $((iy + menu + $2)); }

# "Info" (client 306,442 445x21): right button held shows the window, release closes it.
clicca_in 528 452
xdotool mousedown 3
attendi_finestra '^INFO$' >/dev/null || fallisci "INFO did not appear on the right button"
xdotool mouseup 3
attendi_sparita '^INFO$' || fallisci "INFO stayed after the right button came up"
# Left button, released far from the button: the release still belongs to "Info".
xdotool mousedown 1
info=$(attendi_finestra '^INFO$') || fallisci "INFO did not appear on the left button"
eval "$(xdotool getwindowgeometry --shell "$info")"
xdotool mousemove --sync $((X + 20)) $((Y + 150))
xdotool mouseup 1
attendi_sparita '^INFO$' || fallisci "INFO stayed after a release outside the button"

# "IL METRO E I SUOI MULTIPLI" (client 306,204 318x47) opens the quiz.
clicca_in 465 227
xdotool click 1
attendi_finestra 'I MULTIPLI$' >/dev/null || fallisci "the multiples quiz did not open"
# "E S C I" (client 306,380 446x47) ends the program with the quiz still open.
xdotool windowraise "$inizio"
clicca_in 529 403
xdotool click 1
attendi_fine_processo "$kestrano_pid" || fallisci "E S C I did not end the program"
wait "$kestrano_pid" && stato=0 || stato=$?
kestrano_pid=""
[ "$stato" -eq 0 ] || { cat "$lavoro/kestrano.log"; fallisci "the program ended with status $stato"; }
echo "1 passed, 0 failed"
