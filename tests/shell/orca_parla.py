#!/usr/bin/python3
"""One drill path by keys, heard through Orca's debug log and checked against the screen.

orca_parla.py ORCA_LOG: the program has just been started with Orca listening. Each step
presses a key, waits for what Orca sends to speech, and compares it with the texts the window
shows (read through AT-SPI): the banner after the start window's title, the question when a
quiz opens, the chosen answer with its instruction, the outcome with both times, and the next
question, and that question again on demand. Each message comes once, and no internal
control name is ever said.
"""
import re
import subprocess
import sys
import time

import pyatspi

NOMI_INTERNI = re.compile(r"\b(Frm|Cmd|Command\d|Lbl|lbl|Label\d|Shape\d|Line\d|Image\d|Frame\d|Mnu|mnu)\w*")
PARLATO = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")
registro = sys.argv[1]
letti = 0  # speech lines already taken
sentito = []  # every line said since the program started


def fallisci(messaggio):
    print("FAIL: " + messaggio)
    print("said so far: %r" % sentito)
    sys.exit(1)


def nuove_righe():
    global letti
    with open(registro, encoding="utf-8", errors="replace") as f:
        righe = [m.group(1) for m in map(PARLATO.search, f) if m]
    nuove = righe[letti:]
    letti = len(righe)
    return nuove


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


def annuncio(pattern):
    # Orca says the notification role in the desktop's language before the message.
    return r"(?:notification|notifica) " + pattern


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
# Each step: the keys pressed, what Orca then says (in order), and the window whose labels must
# show every text taken from it.
PASSI = [
    ([], [r"Gli obiettivi dell'addizione frame\.", annuncio(r"(.+)"), r"IL METRO E I SUOI MULTIPLI push button\."],
     INIZIO),
    # Opening the quiz: its title, the question, the focus on "F i n e", heard as "Fine".
    (["space"], [r".*I MULTIPLI frame\.", annuncio(r"(.+ \?)"), r"Fine push button\."], QUIZ),
    # Tab says the button alone; Space chooses it: the answer and the new instruction.
    (["Tab"], [r"10 push button\."], QUIZ),
    (["space"], [annuncio(r"(10)\. (Clicca sul pulsante Verifica)\.")], QUIZ),
    # "Verifica": the focus moves as it hides, then the outcome and both times, with headings.
    (["shift+Tab"], [r"Verifica push button\."], QUIZ),
    (["space"], [r"Visualizza nuova domanda push button\.",
                 annuncio(r"(Esatto|Errato)\. Tempo parziale (\d+)\. Tempo totale (\d+)\.")], QUIZ),
    # The next question; then again on demand: Orca+Enter on the keypad says the title, twice
    # the status bar.
    (["space"], [annuncio(r"(.+ \?)")], QUIZ),
    (["Insert+KP_Enter", "Insert+KP_Enter"], [r".*I MULTIPLI", r"(.+ \?) (?:statusbar|barra di stato)\."], QUIZ),
]
for tasti, attesi, titolo in PASSI:
    if tasti:
        subprocess.check_call(["xdotool", "key"] + tasti)
    for trovato in ascolta(*attesi):
        for testo in trovato.groups():
            if testo.strip() not in etichette(titolo):
                fallisci("%r is said but not shown; the window shows %s" % (testo, etichette(titolo)))
# Each message once.
annunci = [r for r in sentito if re.match(r"(notification|notifica) ", r)]
if len(annunci) != 5:
    fallisci("five messages were expected, one a step: %r" % annunci)
print("heard: %s" % " | ".join(sentito))
