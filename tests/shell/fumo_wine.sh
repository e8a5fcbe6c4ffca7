#!/usr/bin/env bash
# The Windows program under Wine, in a fresh prefix on a private X server with no window manager:
# the Qt Test executables (offscreen); the MSI installed silently; the installed program started
# (the start window frameless, its client area 792 x 554 under the menu bar, in its colours),
# "Info" held (the info window centred at the top), a quiz opened, answered and verified (the
# outcome drawn), and "E S C I" ending it with status 0; the same at Windows' 200 % scale, twice
# the size; the program writing no file and no registry value; the MSI removed silently with
# nothing left. Screenshots of each window go to OUTPUT_FOLDER.
# Usage: fumo_wine.sh BUILD_FOLDER QT_BIN_FOLDER MSI OUTPUT_FOLDER
set -euo pipefail
source "$(dirname "$0")/xvfb_comune.sh"
costruzione=$(realpath "$1") msi=$(realpath "$3") uscita=$(realpath "$4")
export WINEPREFIX=$lavoro/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH="Z:${2//\//\\}"
prove=$lavoro/wine-prove  # the tests' prefix
trap '{ wineserver -k; WINEPREFIX=$prove wineserver -k; } 2>/dev/null || true; pulisci' EXIT
avvia_xvfb 2048x1536  # room for the start window at 200 %
wineboot -i >"$lavoro/wineboot.log" 2>&1 || fallisci "no Wine prefix: $(tail -n 5 "$lavoro/wineboot.log")"
wineserver -w
# The tests and the position tool run in a copy of the fresh prefix: what they write is never
# taken for the program's.
cp -a "$WINEPREFIX" "$prove"

# Wine hands a Windows program no QT_ variable of this environment, but WINEQT_ ones by that name.
# Offscreen on Windows, Qt reads faces from one folder: the Linux build's own.
mkdir "$lavoro/caratteri"
ln -s /usr/share/fonts/truetype/{liberation2,dejavu}/*.ttf "$lavoro/caratteri/"
WINEPREFIX=$prove WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR="Z:${lavoro//\//\\}\\caratteri" WINEQT_FORCE_STDERR_LOGGING=1 \
    ctest --test-dir "$costruzione" -j "$(nproc)" --output-on-failure || fallisci "the tests failed under Wine"
posizioni() { WINEPREFIX=$prove wine "$costruzione/tests/posizioni.exe" | tr -d '\r'; }  # Windows ends its lines with CR LF
leggi_posizioni posizioni

wine msiexec /i "$msi" /qn || fallisci "the MSI did not install"
cartella="$WINEPREFIX/drive_c/Program Files/kestrano"
[ -f "$cartella/kestrano.exe" ] || fallisci "the MSI put no kestrano.exe into Program Files"
[ -n "$(find "$WINEPREFIX/drive_c" -name kestrano.lnk)" ] || fallisci "the MSI made no shortcut"
disinstalla='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
wine reg query "$disinstalla" /s | grep -q 'DisplayName.*kestrano' || fallisci "kestrano is not in Add/Remove Programs"
# A GUI program (no console), version 1.0.0.0 and "1.00" named "kestrano", its first icon 32 x 32
# in 16 colours.
/usr/bin/python3 - "$cartella/kestrano.exe" <<'FINE' || fallisci "kestrano.exe lacks its subsystem, version record or icon"
import struct, sys, pefile
pe = pefile.PE(sys.argv[1])
assert pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]
v = pe.VS_FIXEDFILEINFO[0]
assert (v.FileVersionMS, v.FileVersionLS, v.ProductVersionMS, v.ProductVersionLS) == (1 << 16, 0, 1 << 16, 0), v
t = {k.decode(): x.decode() for f in pe.FileInfo[0] if f.Key == b"StringFileInfo" for s in f.StringTable
     for k, x in s.entries.items()}
assert (t["FileVersion"], t["ProductVersion"], t["InternalName"], t["ProductName"]) == ("1.00", "1.00", "kestrano", "kestrano"), t
gruppo = next(e for e in pe.DIRECTORY_ENTRY_RESOURCE.entries if e.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
dati = gruppo.directory.entries[0].directory.entries[0].data.struct
larghezza, altezza, colori = struct.unpack_from("<BBB", pe.get_data(dati.OffsetToData, dati.Size), 6)
assert (larghezza, altezza, colori) == (32, 32, 16), (larghezza, altezza, colori)
FINE
classe_programma=kestrano.exe
unset WINEPATH  # the installed program finds everything in its folder

# The colour of a control's pixel in a screenshot of its window, DX DY layout pixels from its centre.
colore() {  # SCREENSHOT WINDOW_ID FORM CONTROL DX DY
    punto "$2" "$3" "$4"
    eval "$(xdotool getwindowgeometry --shell "$2")"
    convert "$1" -format "%[hex:p{$((px + scala * $5 - X)),$((py + scala * $6 - Y))}]" info:
}
foto() {  # WINDOW_ID NAME: a screenshot of the window, kept for a person to look at
    import -window "$1" "$uscita/$2.png" || fallisci "no screenshot of $2"
    echo "$uscita/$2.png"
}
# Whether the label shows something: more than one colour in a band across its centre.
disegnata() {  # SCREENSHOT WINDOW_ID FORM CONTROL
    punto "$2" "$3" "$4"
    eval "$(xdotool getwindowgeometry --shell "$2")"
    [ "$(convert "$1" -crop "$((scala * 200))x$((scala * 6))+$((px - X - scala * 100))+$((py - Y - scala * 3))" \
        -format %k info:)" -gt 1 ]
}

# A registry file's software keys and their values, where a program keeps what it writes, without
# the times Wine stamps on keys (the hardware keys Wine writes again at each start).
valori() { awk '/^\[/ { tieni = /^\[Software\\/; sub(/ [0-9]+$/, "") } /^#time=/ { next } tieni' "$1"; }

giro() {  # SCALE SUFFIX: one run of the installed program
    scala=$1
    local suffisso=$2 schermo foto_quiz
    wineserver -w  # the registry is written to its files when Wine's server ends
    cp "$WINEPREFIX"/*.reg "$lavoro/"
    touch "$lavoro/prima"
    avvia_programma wine 'C:\Program Files\kestrano\kestrano.exe'
    attendi_finestra "Gli obiettivi dell'addizione"
    inizio=$finestra
    eval "$(xdotool getwindowgeometry --shell "$inizio")"
    [ "$WIDTH" -eq $((scala * 792)) ] && [ "$HEIGHT" -gt $((scala * 554)) ] \
        || fallisci "the start window is ${WIDTH}x$HEIGHT, not $((scala * 792)) wide with a frameless client area of $((scala * 554)) under its menu bar"
    # Its background RGB(255,192,255) (the empty picture area), the face of "E S C I" RGB(255,128,255).
    dipinta() {
        local f
        f=$(foto "$inizio" "FrmInizioMultpli$suffisso")
        [ "$(colore "$f" "$inizio" FrmInizioMultpli Image1 0 0)" = FFC0FF ] &&
            [ "$(colore "$f" "$inizio" FrmInizioMultpli Command9 -150 0)" = FF80FF ]
    }
    attendi 10 "the start window's colours" dipinta \
        || fallisci "the start window is not in its colours (see $uscita/FrmInizioMultpli$suffisso.png)"

    # "Info" held: the info window stands centred at the top; released, it goes.
    clicca "$inizio" FrmInizioMultpli Command7 mousedown 1
    attendi_finestra '^INFO$'
    eval "$(xdotool getwindowgeometry --shell "$finestra")"
    schermo=$(xdotool getdisplaygeometry | cut -d' ' -f1)
    scarto=$((2 * X + WIDTH - schermo))
    # With no window manager Wine draws no frame: the window is its client area, below a title
    # bar that is not drawn; its frame stands 20 twips below the top of the screen.
    [ "${scarto#-}" -le 2 ] && [ "$Y" -le $((scala * 40)) ] \
        || fallisci "the info window stands at $X,$Y ($WIDTH wide), not centred at the top of a screen $schermo wide"
    foto "$finestra" "FrmWWW$suffisso" >/dev/null
    xdotool mouseup 1
    attendi_sparita '^INFO$'

    # A quiz: opened, answered, verified; the outcome is drawn.
    clicca "$inizio" FrmInizioMultpli Command1
    attendi_finestra 'I MULTIPLI$'
    quiz=$finestra
    clicca "$quiz" FrmMultipli Command2
    foto_quiz=$(foto "$quiz" "FrmMultipli-scelta$suffisso")
    ! disegnata "$foto_quiz" "$quiz" FrmMultipli LblEsito || fallisci "an outcome shows before \"Verifica\""
    clicca "$quiz" FrmMultipli CmdVerifica
    verificata() { disegnata "$(foto "$quiz" "FrmMultipli-verificata$suffisso")" "$quiz" FrmMultipli LblEsito; }
    attendi 10 "the outcome" verificata || fallisci "no outcome after \"Verifica\""

    # "E S C I" ends the program with the quiz still open, with status 0.
    xdotool windowraise "$inizio"
    clicca "$inizio" FrmInizioMultpli Command9
    attendi_fine_programma '"E S C I"'
    wineserver -w
    local scritti
    scritti=$(find "$WINEPREFIX" -newer "$lavoro/prima" -type f ! -name '*.reg')
    [ -z "$scritti" ] || fallisci "the program wrote files: $scritti"
    local differenze
    for file in "$WINEPREFIX"/*.reg; do
        differenze=$(diff <(valori "$lavoro/${file##*/}") <(valori "$file")) \
            || fallisci "the program wrote to the registry: $(head -n 20 <<<"$differenze")"
    done
}
giro 1 ""
# Windows' 200 % scale, as classroom whiteboards are often set.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
wineserver -k
giro 2 "@2x"

wine msiexec /x "$msi" /qn || fallisci "the MSI did not uninstall"
wineserver -w
[ ! -e "$cartella" ] || fallisci "the uninstall left $(find "$cartella")"
[ -z "$(find "$WINEPREFIX/drive_c" -name kestrano.lnk)" ] || fallisci "the uninstall left the shortcut"
! wine reg query "$disinstalla" /s | grep -q 'DisplayName.*kestrano' || fallisci "kestrano is still in Add/Remove Programs"
! wine reg query 'HKLM\Software\Velmaro' >/dev/null 2>&1 || fallisci "the uninstall left HKLM\\Software\\Velmaro"
echo "1 passed, 0 failed"
