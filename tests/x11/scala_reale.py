#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The whole interface drawn larger on a large screen: on a 1920 x 1080 Xvfb, with openbox, the
exercise window the program opens is scaled up and still wholly on screen, and a click on the
start window's "Esci" beside it neither ends the program nor takes the keyboard from it; with
`--scala 1` it has the size it was designed with.

Usage: scala_reale.py <path of veltrix>. Exit 77 (skipped) only when no X server can start.
"""
import sys
import time

sys.dont_write_bytecode = True  # no cache of the shared module in the source tree
from xreale import attendi, esegui, geometria_attiva, xdotool  # noqa: E402

LARGHEZZA, ALTEZZA = 1920, 1080


def esercizi(sessione, programma, *argomenti, accanto=None):
    veltrix = sessione.avvia(programma, *argomenti)
    sessione.schermo.apri_esercizi()
    misura = geometria_attiva()
    if accanto:
        accanto(sessione.schermo, veltrix)
    sessione.ferma(veltrix)
    return misura


def esci_accanto(schermo, veltrix):
    """On a whiteboard the start window's "Esci" lies beside the exercise window: a touch on it
    must not end the program and its series, nor take the keyboard from the exercise window."""
    x, y = schermo.centro("push button", "Esci", acceso=False)
    sx, sy, larghezza, altezza = geometria_attiva()
    assert not (sx <= int(x) < sx + larghezza and sy <= int(y) < sy + altezza), \
        "Esci è sotto la finestra degli esercizi"
    xdotool("mousemove", x, y, "click", "1")
    time.sleep(1.0)
    assert veltrix.poll() is None, "un clic su Esci accanto agli esercizi ha chiuso il programma"
    xdotool("key", "5")
    attendi(lambda: schermo.testo("label", "Risultato") == "Risultato: 5",
            "dopo il clic accanto agli esercizi i tasti non arrivano al tastierino")


def scala(sessione, programma):
    x, y, larghezza, altezza = esercizi(sessione, programma, accanto=esci_accanto)
    assert larghezza >= 1100, f"a 1920 x 1080 la finestra degli esercizi è larga {larghezza}"
    assert x >= 0 and y >= 0 and x + larghezza <= LARGHEZZA and y + altezza <= ALTEZZA, \
        f"la finestra degli esercizi ({larghezza} x {altezza} in {x}, {y}) esce dallo schermo"
    _, _, larghezza, altezza = esercizi(sessione, programma, "--scala", "1")
    assert (larghezza, altezza) == (794, 587), \
        f"con --scala 1 la finestra degli esercizi è {larghezza} x {altezza}, non 794 x 587"


if __name__ == "__main__":
    esegui(scala, "scala su un server X reale", f"{LARGHEZZA}x{ALTEZZA}x24")
