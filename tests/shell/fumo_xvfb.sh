#!/usr/bin/env bash
# The real program on a real X server (Xvfb): opens a quiz, holds "Info" with the right and
# the left mouse button (moving off the button before the release), then "E S C I" must end
# the process. Its windows carry the X11 class its desktop entry names. With no display at all
# it ends with status 1 and one line on its error output, never with an abort. With "mutter",
# the same on GNOME's compositor on Wayland, which also offers XWayland: the program must take
# XWayland, the info window stands centred at the top in the desktop's frame while "Info" is
# held, and the quiz opened by keys comes to the front with the focus.
# Usage: fumo_xvfb.sh PATH_TO_KESTRANO PATH_TO_POSIZIONI PATH_TO_DESKTOP_ENTRY [mutter]
set -euo pipefail
source "$(dirname "$0")/xvfb_comune.sh"
sotto_mutter=${4:-}
stato=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" >"$lavoro/senza_schermo" 2>&1 || stato=$?
[ "$stato" -eq 1 ] && [ "$(wc -l <"$lavoro/senza_schermo")" -eq 1 ] \
    || { cat "$lavoro/senza_schermo"; fallisci "with no display the program ended with status $stato"; }
if [ -n "$sotto_mutter" ]; then
    avvia_mutter
else
    avvia_xvfb
    # On the session bus a desktop has (the toolkit asks the desktop's services on it).
    avvia_bus_di_sessione
fi
leggi_posizioni "$2"
DBUS_SESSION_BUS_ADDRESS=$bus avvia_programma "$1"
attendi_finestra "Gli obiettivi dell'addizione"
inizio=$finestra
eval "$(xdotool getwindowgeometry --shell "$inizio")"
[ "$WIDTH" -eq 792 ] || fallisci "the start window is $WIDTH pixels wide"
classe=$(sed -n 's/^StartupWMClass=//p' "$3")
xprop -id "$inizio" WM_CLASS | grep -q ", \"$classe\"\$" \
    || fallisci "the window's class ($(xprop -id "$inizio" WM_CLASS)) is not the desktop entry's ($classe)"

# "Info": the right button held shows the window, its release closes it.
clicca "$inizio" FrmInizioMultpli Command7 mousedown 3
attendi_finestra '^INFO$'
xdotool mouseup 3
attendi_sparita '^INFO$'
# The left button, released far from the button: the release still belongs to "Info".
xdotool mousedown 1
attendi_finestra '^INFO$'
eval "$(xdotool getwindowgeometry --shell "$finestra")"
if [ -n "$sotto_mutter" ]; then
    # Its frame (the desktop's, as it gives its extents) centred, 20 twips (a pixel) below the top.
    read -r sx dx su _ < <(xprop -id "$finestra" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r ax ay <<<"$(xwininfo -id "$finestra" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd ' ')"
    scarto=$((2 * (ax - sx) + WIDTH + sx + dx - $(xdotool getdisplaygeometry | cut -d' ' -f1)))
    [ "${scarto#-}" -le 2 ] && [ $((ay - su)) -eq 1 ] \
        || fallisci "the info window stands at $ax,$ay ($WIDTH wide, frame $sx $dx $su), not centred at the top"
fi
xdotool mousemove --sync $((X + 20)) $((Y + 150)) mouseup 1
attendi_sparita '^INFO$'

# Under mutter by keys, from "Info" (focused by the press) to the next button: the quiz must
# come to the front with the focus. A desktop hands the focus on and raises a window when it
# gets round to it: keys and clicks wait until the window meant is the active one.
attiva() { [ -z "$sotto_mutter" ] || [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
attendi 10 "the start window to be active" attiva "$inizio" || fallisci "the start window is not active again"
if [ -n "$sotto_mutter" ]; then xdotool key Tab space; else clicca "$inizio" FrmInizioMultpli Command1; fi
attendi_finestra 'I MULTIPLI$'
attendi 10 "the quiz to be active" attiva "$finestra" || fallisci "the quiz window is not the active one"
# "E S C I" ends the program with the quiz still open.
if [ -n "$sotto_mutter" ]; then xdotool windowactivate "$inizio"; else xdotool windowraise "$inizio"; fi
attendi 10 "the start window to be in front" attiva "$inizio" || fallisci "the start window did not come to the front"
clicca "$inizio" FrmInizioMultpli Command9
attendi_fine_programma '"E S C I"'
echo "1 passed, 0 failed"
