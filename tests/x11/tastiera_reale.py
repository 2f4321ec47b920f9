#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keys held and let go on a real X server, as a pupil's keyboard sends them.

The offscreen platform never auto-repeats a key and never moves the keyboard focus between
windows, so these faults only show here: Xvfb, a real window manager, xdotool for the keys and
clicks, and the accessibility tree (AT-SPI) to read what the windows show.

Usage: tastiera_reale.py <path of veltrix>. Exit 77 (skipped) only when no X server can start.
"""
import sys
import time

sys.dont_write_bytecode = True  # no cache of the shared module in the source tree
from xreale import ascoltatore, attendi, esegui, xdotool  # noqa: E402


def tieni(tasto, secondi):
    xdotool("keydown", tasto)
    time.sleep(secondi)
    xdotool("keyup", tasto)
    time.sleep(0.3)


def premi(*tasti):
    for t in tasti:
        xdotool("key", t)
        time.sleep(0.15)


def tasti_tenuti(schermo, tasti, come):
    """A held key, on the top row and on the numeric pad, enters its digit once."""
    for tasto, cifra in tasti:
        premi("BackSpace")
        tieni(tasto, 1.5)
        attendi(lambda: schermo.testo("label", "Risultato") == f"Risultato: {cifra}",
                f"tenendo premuto {tasto} per 1,5 s {come} il risultato è "
                f"'{schermo.testo('label', 'Risultato')}', non '{cifra}'")


def con_lettore(sessione, schermo):
    """The same holds, again and again, while a screen reader listens to the bus."""
    sessione.processi.append(ascoltatore())
    time.sleep(2.0)  # the program's bridge learns of the listener
    tasti_tenuti(schermo, [("7", "7"), ("KP_4", "4")] * 3, "con un lettore di schermo in ascolto")


def fino_all_avviso(schermo):
    """Wrong answers with help accepted up to the twentieth, which brings the warning panel.
    The help panel leaves the focus where it was, so "SI" is clicked. Each step waits for what
    the window shows, so a slow build never takes a key meant for the next one."""
    esito = schermo.nodo("label", "Esito")
    correzione = schermo.nodo("label", "Risposta giusta")
    operazioni = schermo.cerca("label", "Operazioni: ", esatto=False)
    premi("v", "Return")
    si = schermo.centro("push button", "SI")
    for volta in range(1, 21):
        if volta > 1:
            premi("v", "Return")
        attendi(lambda: esito.name == "Esito: Errato", f"operazione {volta}: nessun 'Errato'")
        xdotool("mousemove", *si, "click", "1")
        attendi(lambda: correzione.name.startswith("Risposta giusta: "),
                f"operazione {volta}: nessuna correzione dopo SI")
        if volta < 20:
            premi("Return")  # on "Avanti"
            attendi(lambda: operazioni.name == f"Operazioni: {volta + 1}",
                    f"operazione {volta}: Avanti non porta alla successiva")


def messaggio_aperto(schermo):
    """A message box of the program on screen."""
    return any(r in ("dialog", "alert") and schermo.visibile(nodo) for r, _, nodo in schermo.tutti())


def rilascio_altrove(schermo):
    """Keys let go in another window than the one they were pressed in, then the next key."""
    elenco = "STAMPA DEGLI ESERCIZI ESEGUITI"
    schermo.cerca("label", "Operazioni: 20")
    schermo.cerca("push button", "Ricomincia")
    premi("s")
    tieni("Return", 0.3)  # on "Stampa": the list window opens and takes the key's release
    attendi(lambda: schermo.finestra_attiva() == elenco,
            "Invio su Stampa non ha aperto l'elenco degli esercizi")
    # The name panel opened with a held Enter, whose repeats do not confirm it, and confirmed
    # with the mouse: the next key acts.
    premi("2")
    tieni("Return", 1.0)
    premi("A", "n", "n", "a")
    schermo.clic("push button", "AVANTI")
    premi("3")
    attendi(lambda: schermo.con_fuoco() == "STAMPA",
            "dopo il nome confermato con il mouse il tasto 3 non porta su STAMPA")
    # A quick Enter on STAMPA: the message that the print became a file takes the key's
    # release, and the next Enter closes it, every time.
    for volta in range(1, 5):
        premi("Return")
        attendi(lambda: messaggio_aperto(schermo), f"stampa {volta}: nessun messaggio", 20.0)
        premi("Return")
        attendi(lambda: not messaggio_aperto(schermo),
                f"stampa {volta}: Invio non chiude il messaggio dopo la stampa")
        attendi(lambda: schermo.con_fuoco() == "STAMPA", f"stampa {volta}: il fuoco non torna")
    schermo.clic("push button", "E S C I")
    attendi(lambda: schermo.finestra_attiva() not in (None, elenco),
            "l'elenco degli esercizi non si è chiuso")
    premi("r", "Return")  # back in the exercise window: "Ricomincia"
    time.sleep(1.0)
    assert schermo.finestra_attiva() != elenco, \
        "R e Invio hanno riaperto l'elenco invece di ricominciare"
    attendi(lambda: schermo.testo("label", "Operazioni: ") == "Operazioni: 1",
            "R e Invio non hanno ricominciato la serie")


def tastiera(sessione, programma):
    sessione.avvia(programma)
    schermo = sessione.schermo
    schermo.apri_esercizi()
    tasti_tenuti(schermo, [("7", "7"), ("KP_4", "4"), ("BackSpace", "?")], "")
    con_lettore(sessione, schermo)
    fino_all_avviso(schermo)
    rilascio_altrove(schermo)


if __name__ == "__main__":
    esegui(tastiera, "tastiera su un server X reale")
