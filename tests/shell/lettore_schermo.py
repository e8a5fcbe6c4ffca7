#!/usr/bin/python3
"""What a screen reader meets in the running program, read through AT-SPI (pyatspi).

lettore_schermo.py esercizio READY_FILE: creates READY_FILE once it listens, then (once the
  program has been started) reads the start window and a quiz as they show, with spoken forms
  and no internal control name; a chosen and verified answer read back; the next question;
  then "Esci" ends the program. (What a screen reader says of each step: orca_parla.sh.)
lettore_schermo.py ora_legale START_EPOCH: an answer verified at least 22 real seconds after
  the program started (its clock at 01:59:40 on the day summer time starts); its seconds, as
  read, must be the real ones.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

NOMI_INTERNI = re.compile(r"^(Frm|Cmd|Command|Lbl|lbl|Label|Shape|Line|Image|Frame|Mnu|mnu)\w*$")


def fallisci(messaggio):
    print("FAIL: " + messaggio)
    sys.exit(1)


def attendi(condizione, cosa, secondi=20):
    """Polls the condition, letting AT-SPI events in meanwhile; returns its first true value."""
    fino = time.monotonic() + secondi
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        valore = condizione()
        if valore:
            return valore
        if time.monotonic() > fino:
            fallisci("no " + (cosa() if callable(cosa) else cosa))
        time.sleep(0.05)


def discendenti(radice):
    da_vedere = [radice]
    while da_vedere:
        a = da_vedere.pop()
        if a is None:
            continue
        yield a
        da_vedere.extend(a[i] for i in range(a.childCount))


def applicazione():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "kestrano":
            return app
    return None


def finestra(titolo):
    app = applicazione()
    for f in (app or []):
        if f is not None and re.search(titolo, f.name) and f.getState().contains(pyatspi.STATE_SHOWING):
            return f
    return None


def controlli(f, ruolo):
    return [a for a in discendenti(f) if a.getRole() == ruolo and a.getState().contains(pyatspi.STATE_SHOWING)]


def etichette(f):
    return [a.name for a in controlli(f, pyatspi.ROLE_LABEL)]


def pulsante(f, nome):
    for b in controlli(f, pyatspi.ROLE_PUSH_BUTTON):
        if b.name == nome:
            return b
    return None


def premi(f, nome):
    b = attendi(lambda: pulsante(f, nome), 'button "%s"' % nome)
    b.queryAction().doAction(0)


def nessun_nome_interno(f):
    interni = [a.name for a in discendenti(f) if NOMI_INTERNI.match(a.name or "")]
    if interni:
        fallisci("internal control names are heard: %s" % interni)


def tempo_parziale(f):
    for a in controlli(f, pyatspi.ROLE_LABEL):
        if a.description == "Secondi impiegati per ogni risposta" and a.name:
            return a.name
    return None


def con_focus(f):
    return [a.name for a in discendenti(f) if a.getState().contains(pyatspi.STATE_FOCUSED)]


def focus_vero(inizio):
    """With the focus given to the start window (as a window manager does when it maps it),
    Tab and Shift+Tab move it, and exactly one control reports it at a time."""
    finestra_x = subprocess.check_output(["xdotool", "search", "--name", "^Gli obiettivi"]).split()[0]
    subprocess.check_call(["xdotool", "windowfocus", "--sync", finestra_x])
    attendi(lambda: con_focus(inizio) == ["IL METRO E I SUOI MULTIPLI"], "focus on the first button")
    for tasto, atteso in (("Tab", "IL METRO E I SUOI  SOTTOMULTIPLI"), ("Tab", "Esci"), ("shift+Tab",
                                                                                        "IL METRO E I SUOI  SOTTOMULTIPLI")):
        subprocess.check_call(["xdotool", "key", tasto])
        attendi(lambda: con_focus(inizio) == [atteso], "focus on %s alone (now on %s)" % (atteso, con_focus(inizio)))


def apri_quiz(controlla_focus=False):
    inizio = attendi(lambda: finestra(r"^Gli obiettivi dell'addizione$"), "start window")
    nessun_nome_interno(inizio)
    if controlla_focus:
        focus_vero(inizio)
    if pulsante(inizio, "Esci") is None or pulsante(inizio, "E S C I") is not None:
        fallisci('"E S C I" is not heard as "Esci"')
    premi(inizio, "IL METRO E I SUOI MULTIPLI")
    quiz = attendi(lambda: finestra(r"I MULTIPLI$"), "multiples quiz window")
    attendi(lambda: any(n.endswith(" ?") for n in etichette(quiz)), "question read")
    return inizio, quiz


def esercizio(pronto):
    # The reader is connected to the AT-SPI bus before the program starts.
    open(pronto, "w").close()
    inizio, quiz = apri_quiz(controlla_focus=True)
    nessun_nome_interno(quiz)
    testi = etichette(quiz)
    for atteso in ("Clicca sul pulsante esatto", "Misure di lunghezza", "Dom. Tempo Tempo", "parziale totale", "1"):
        if atteso not in testi:
            fallisci('"%s" is not read; the labels read: %s' % (atteso, testi))
    domanda = [n for n in testi if n.endswith(" ?")][0]
    if pulsante(quiz, "Fine") is None:
        fallisci('"F i n e" is not heard as "Fine"')
    premi(quiz, "10")
    attendi(lambda: "10" in etichette(quiz) and "Clicca sul pulsante Verifica" in etichette(quiz), "chosen answer read")
    premi(quiz, "Verifica")
    esito = attendi(lambda: {"Esatto", "Errato"} & set(etichette(quiz)), "outcome read")
    if any("  " in n for n in etichette(quiz) if n in esito):
        fallisci("the outcome is spelt out")
    attendi(lambda: tempo_parziale(quiz), "seconds read")
    premi(quiz, "Visualizza nuova domanda")
    attendi(lambda: "2" in etichette(quiz), "question counter 2")
    attendi(lambda: any(n.endswith(" ?") for n in etichette(quiz)), "next question read")
    print("read: %r, then %s; next question read" % (domanda, sorted(esito)))
    premi(inizio, "Esci")


def ora_legale(avvio):
    _, quiz = apri_quiz()
    mostrata = time.time()
    # The program's clock started at 01:59:40 (summer time begins at 02:00, when it jumps to
    # 03:00): the question must come before 02:00, and "Verifica" goes after it.
    if mostrata - avvio > 18:
        fallisci("the question came %.1f s after the start: too late to cross 02:00" % (mostrata - avvio))
    premi(quiz, "100")
    time.sleep(max(0.0, max(avvio + 22, mostrata + 2) - time.time()))
    premi(quiz, "Verifica")
    verificata = time.time()
    letto = attendi(lambda: tempo_parziale(quiz), "seconds read")
    reali = verificata - mostrata
    # The program sees the question a little before this script does, and the click a little
    # after: a few seconds more are possible on a loaded machine, an hour is not.
    if not letto.isdigit() or not reali - 1.5 <= int(letto) <= reali + 5:
        fallisci("the answer took %.1f real seconds but shows %s" % (reali, letto))
    print("answer across 02:00 on the day summer time starts: %s seconds shown, %.1f real" % (letto, reali))


if __name__ == "__main__":
    if sys.argv[1] == "esercizio":
        esercizio(sys.argv[2])
    else:
        ora_legale(float(sys.argv[2]))
