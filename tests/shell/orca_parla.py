#!/usr/bin/python3
"""One drill path by keys, heard through Orca's debug log and checked against the screen.

orca_parla.py ORCA_LOG BRAILLE_OUTPUT bus_da_orca|dopo|prima [LINES_READ]: the program runs with
Orca listening, started after it ("bus_da_orca": Orca starts the accessibility bus; "dopo": the
bus is up) or before it ("prima"). Each step presses keys (or brings a window to the front),
waits for what Orca sends to speech, and compares it with the texts the window shows (read
through AT-SPI); each message of the program must then be the line left on the braille display,
in Orca's log and on the display itself (BRAILLE_OUTPUT: what brltty's TTY driver wrote).
Each message comes once, and no internal control name is ever said or brailled. Orca's words
for roles and its punctuation differ by version: a line is read by the texts it says, a role
being any lowercase words after them, its final full stop dropped.
"""
import collections
import re
import subprocess
import sys
import time

import brlapi
import pyatspi

NOMI_INTERNI = re.compile(r"\b(Frm|Cmd|Command\d|Lbl|lbl|Label\d|Shape\d|Line\d|Image\d|Frame\d|Mnu|mnu)\w*")
PARLATO = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")
BRAILLE = re.compile(r"BRAILLE LINE:  '(.*)'")
registro, display, modo = sys.argv[1], sys.argv[2], sys.argv[3]
letti = int(sys.argv[4]) if len(sys.argv) > 4 else 0  # lines of the log already taken
CELLE = brlapi.Connection().displaySize[0]  # the display's width: it shows a longer line's first cells
sentito = []  # every line said since the program started
braille = []  # every line brailled


def fallisci(messaggio):
    print("FAIL: " + messaggio)
    print("said so far: %r" % sentito)
    sys.exit(1)


def nuove_righe():
    """The lines said since the last call; the lines brailled go to `braille`."""
    global letti
    with open(registro, encoding="utf-8", errors="replace") as f:
        righe = f.readlines()
    nuove, letti = righe[letti:], len(righe)
    detto = []
    for riga in nuove:
        if m := BRAILLE.search(riga):
            braille.append(m.group(1))
            if NOMI_INTERNI.search(m.group(1)):
                fallisci("an internal control name is brailled: %r" % m.group(1))
        elif m := PARLATO.search(riga):
            detto.append(senza_punto(m.group(1)))
    return detto


def senza_punto(riga):
    return riga.strip().removesuffix(".")


def ascolta(*attesi, secondi=20):
    """Waits until Orca has said a line matching each pattern, in order; returns the matches."""
    trovati, fino = [], time.monotonic() + secondi
    while len(trovati) < len(attesi):
        for riga in nuove_righe():
            sentito.append(riga)
            if NOMI_INTERNI.search(riga):
                fallisci("an internal control name is said: %r" % riga)
            if len(trovati) < len(attesi) and (m := re.fullmatch(attesi[len(trovati)], riga)):
                trovati.append(m)
        if time.monotonic() > fino:
            fallisci("Orca never said %r" % attesi[len(trovati)])
        time.sleep(0.05)
    return trovati


def sul_display():
    """The text of the last line the display has shown: each line comes after the terminal's
    clear-screen, as text, then (after a return or a cursor move) its dots below it."""
    with open(display, "rb") as f:
        return re.split("[\r\x1b]", f.read().decode("utf-8", "replace").rpartition("\x1b[J")[2], maxsplit=1)[0]


def in_braille(messaggio):
    """The message is the last line Orca brailles, and the display shows it."""
    return braille and senza_punto(braille[-1]) == messaggio and sul_display().rstrip() == braille[-1][:CELLE].rstrip()


def attendi_in_braille(messaggio, secondi=5):
    fino = time.monotonic() + secondi
    while not in_braille(messaggio):
        if time.monotonic() > fino:
            fallisci("Orca brailles %r, the display shows %r, not %r" % (braille[-1:], sul_display(), messaggio))
        sentito.extend(nuove_righe())
        time.sleep(0.05)


def resta_in_braille(messaggio, secondi=6):
    """With the teacher's braille settings, the message stays longer than Orca's default flash (5 s)."""
    fino = time.monotonic() + secondi
    while time.monotonic() < fino:
        if not in_braille(messaggio):
            fallisci("after %.1f s the display shows %r, not %r" % (secondi - fino + time.monotonic(), sul_display(), messaggio))
        sentito.extend(nuove_righe())
        time.sleep(0.05)


def etichette(titolo):
    """The texts the window with that title shows, as its labels read through AT-SPI."""
    for app in pyatspi.Registry.getDesktop(0):
        for f in (app if app is not None and app.name == "kestrano" else []):
            if f is not None and re.search(titolo, f.name):
                da_vedere, nomi = [f], []
                while da_vedere:
                    a = da_vedere.pop()
                    if a.getRole() == pyatspi.ROLE_LABEL:
                        nomi.append(a.name.strip())
                    da_vedere.extend(a[i] for i in range(a.childCount))
                return nomi
    fallisci("no window %r" % titolo)


INIZIO, QUIZ = r"^Gli obiettivi dell'addizione$", r"I MULTIPLI$"
# A control or window is said by its text, then its role (where it is new).
RUOLO = r" [a-z][a-z ]*"
INIZIO_DETTO, BOTTONE = r"Gli obiettivi dell'addizione(?:%s)?" % RUOLO, r"%s" + RUOLO
QUIZ_DETTO = r".*I MULTIPLI(?:%s)?" % RUOLO
DOMANDA = r"Domanda (\d+)\. (.+ \?)"
# A message of the program: Orca 43 says the notification's role before it, Orca 48 nothing.
MESSAGGIO = object()


def annuncio(pattern):
    return [MESSAGGIO, pattern]


def davanti(titolo):  # brings a window to the front, as the pupil does with Alt+Tab
    return ["search", "--name", titolo, "windowactivate", "--sync"]


RESTA = []  # a step with no key, watching the last message stay on the braille display
# Each step: what xdotool is told (keys, or a window to bring to the front), what Orca then says
# (in order), and the window whose labels must show every text taken from it.
PASSI = {
    # Orca started after the program, starting the accessibility bus: Tab is heard, "E S C I" ends.
    "bus_da_orca": [
        (["key", "Tab"], [BOTTONE % r"IL METRO E I SUOI  SOTTOMULTIPLI"], INIZIO),
        (["key", "Tab"], [BOTTONE % "Esci"], INIZIO),
        (["key", "space"], [], None),
    ],
    # Orca started after the program, the bus already up: Tab among the start window's buttons.
    "dopo": [
        (["key", "Tab"], [BOTTONE % r"IL METRO E I SUOI  SOTTOMULTIPLI"], INIZIO),
        (["key", "shift+Tab"], [BOTTONE % r"IL METRO E I SUOI MULTIPLI"], INIZIO),
        # Opening the quiz: its title, the focus on "F i n e" (heard as "Fine"), then the question
        # with its number and the instruction; the clock's draw has "l'hm", heard as its button.
        (["key", "space"], [QUIZ_DETTO, BOTTONE % "Fine",
                            *annuncio(r"Domanda (1)\. (.*l'accaemme.* \?) (Clicca sul pulsante esatto)")],
         QUIZ),
        # Tab says the button alone; Space chooses it: the answer and the new instruction.
        (["key", "Tab"], [BOTTONE % "10"], QUIZ),
        (["key", "space"], annuncio(r"(10)\. (Clicca sul pulsante Verifica)"), QUIZ),
        # "Verifica": the focus moves as it hides, then the outcome and both times, with headings.
        (["key", "shift+Tab"], [BOTTONE % "Verifica"], QUIZ),
        (["key", "space"], [BOTTONE % "Visualizza nuova domanda",
                            *annuncio(r"(Esatto|Errato)\. Tempo parziale (\d+)\. Tempo totale (\d+)\. "
                                      r"(Clicca sul pulsante Visualizza nuova domanda)")], QUIZ),
        # No key: the outcome stays on the braille display.
        (RESTA, [], QUIZ),
        # Away and back: the start window says nothing of its own, the quiz what it shows, the
        # question and its outcome.
        (davanti(INIZIO), [INIZIO_DETTO, BOTTONE % r"IL METRO E I SUOI MULTIPLI"], INIZIO),
        (davanti(QUIZ), [QUIZ_DETTO, BOTTONE % "Visualizza nuova domanda",
                         *annuncio(DOMANDA + r" (Esatto|Errato)\. Tempo parziale (\d+)\. Tempo totale (\d+)")], QUIZ),
        # The next question, its instruction already said in this drill.
        (["key", "space"], annuncio(DOMANDA), QUIZ),
        # Again on demand: Orca+Enter on the keypad says the title, twice the status bar. The
        # second press comes as a person's would, not at once: a key that Orca, still busy with
        # the first, answers after 100 ms is also given to the program by Qt 6.4.
        (["key", "--delay", "250", "Insert+KP_Enter", "Insert+KP_Enter"], [r".*I MULTIPLI", DOMANDA + RUOLO],
         QUIZ),
        # "E S C I", heard as "Esci", ends the program.
        (davanti(INIZIO), [INIZIO_DETTO, BOTTONE % r"IL METRO E I SUOI MULTIPLI"], INIZIO),
        (["key", "Tab", "Tab"], [BOTTONE % "Esci"], INIZIO),
        (["key", "space"], [], None),
    ],
    # Orca listening from the start: the start window's title, its focused button, the banner.
    "prima": [
        ([], [INIZIO_DETTO, BOTTONE % r"IL METRO E I SUOI MULTIPLI", *annuncio(r"(LE UNITA' DI MISURA DI LUNGHEZZA) ?")],
         INIZIO),
    ],
}
# A screen reader started after the program: the program joins the accessibility bus as it comes.
fino = time.monotonic() + 20
while not any(a is not None and a.name == "kestrano" for a in pyatspi.Registry.getDesktop(0)):
    if time.monotonic() > fino:
        fallisci("the program never joined the accessibility bus")
    time.sleep(0.05)
messaggi = collections.Counter()
for comando, passo, titolo in PASSI[modo]:
    if comando is RESTA:
        resta_in_braille(ultimo)
        continue
    if comando:
        subprocess.check_call(["xdotool"] + comando)
    attesi = [a for a in passo if a is not MESSAGGIO]
    trovati = ascolta(*attesi)
    for trovato in trovati:
        for testo in trovato.groups():
            if testo.strip() not in etichette(titolo):
                fallisci("%r is said but not shown; the window shows %s" % (testo, etichette(titolo)))
    if MESSAGGIO in passo:
        messaggi[trovati[-1].group(0)] += 1
        ultimo = trovati[-1].group(0)
        attendi_in_braille(ultimo)
# Each message once a step.
detti = collections.Counter(r for r in sentito if r in messaggi)
if detti != messaggi:
    fallisci("messages said %r, expected once a step %r" % (detti, messaggi))
print("heard: %s" % " | ".join(sentito))
