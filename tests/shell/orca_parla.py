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


def tasto(nome):
    subprocess.check_call(["xdotool", "key", nome])


def etichette(titolo):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "kestrano":
            for f in app:
                if f is not None and re.search(titolo, f.name):
                    da_vedere, nomi = [f], {}
                    while da_vedere:
                        a = da_vedere.pop()
                        if a.getRole() == pyatspi.ROLE_LABEL:
                            nomi[a.description or a.name] = a.name
                        da_vedere.extend(a[i] for i in range(a.childCount))
                    return nomi
    fallisci("no window %r" % titolo)


def mostrato(titolo, testo):
    if testo.strip() not in (n.strip() for n in etichette(titolo).values()):
        fallisci("%r is said but not shown; the window shows %s" % (testo, sorted(etichette(titolo).values())))


def domanda_mostrata(titolo):
    return [n for n in etichette(titolo).values() if n.endswith(" ?")][0]


INIZIO, QUIZ = r"^Gli obiettivi dell'addizione$", r"I MULTIPLI$"
# The start window: its title, the banner, the focused button.
(banner,) = ascolta(r"Gli obiettivi dell'addizione frame\.", annuncio(r"(.+)"),
                    r"IL METRO E I SUOI MULTIPLI push button\.")[1:2]
mostrato(INIZIO, banner.group(1))
# Opening the quiz: its title, the question, the focus on "F i n e", heard as "Fine".
tasto("space")
(domanda,) = ascolta(r".*I MULTIPLI frame\.", annuncio(r"(.+ \?)"), r"Fine push button\.")[1:2]
if domanda.group(1) != domanda_mostrata(QUIZ):
    fallisci("the question said, %r, is not the one shown" % domanda.group(1))
# Tab says the button alone; Space chooses it: the answer and the new instruction.
tasto("Tab")
ascolta(r"10 push button\.")
tasto("space")
(scelta,) = ascolta(annuncio(r"(10)\. (Clicca sul pulsante Verifica)\."))
mostrato(QUIZ, scelta.group(1))
mostrato(QUIZ, scelta.group(2))
# "Verifica": the outcome and both times, each after its heading.
tasto("shift+Tab")
ascolta(r"Verifica push button\.")
tasto("space")
# The focus moves to "Visualizza nuova domanda" as "Verifica" hides, before the message.
esito = ascolta(r"Visualizza nuova domanda push button\.",
                annuncio(r"(Esatto|Errato)\. Tempo parziale (\d+)\. Tempo totale (\d+)\."))[1]
nomi = etichette(QUIZ)
if (esito.group(1), esito.group(2), esito.group(3)) != (
        nomi.get(esito.group(1), "") and esito.group(1), nomi.get("Secondi impiegati per ogni risposta"),
        nomi.get("Secondi impiegati per ogni esercizio")):
    fallisci("the outcome said, %r, is not the one shown: %s" % (esito.group(0), nomi))
# Space on "Visualizza nuova domanda": the next question.
tasto("space")
(nuova,) = ascolta(annuncio(r"(.+ \?)"))
if nuova.group(1) != domanda_mostrata(QUIZ):
    fallisci("the next question said, %r, is not the one shown" % nuova.group(1))
# The question again on demand: Orca+Enter on the keypad says the title, twice the status bar.
subprocess.check_call(["xdotool", "key", "Insert+KP_Enter", "Insert+KP_Enter"])
(di_nuovo,) = ascolta(r".*I MULTIPLI", r"(.+ \?) (?:statusbar|barra di stato)\.")[1:2]
if di_nuovo.group(1) != nuova.group(1):
    fallisci("the question heard again, %r, is not the one shown" % di_nuovo.group(1))
# Each message once.
annunci = [r for r in sentito if re.match(r"(notification|notifica) ", r)]
if len(annunci) != 5:
    fallisci("five messages were expected, one a step: %r" % annunci)
print("heard: %s" % " | ".join(sentito))
