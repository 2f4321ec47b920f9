#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A class of three on a real X server: `--classe` starts it from a terminal, then each pupil
starts the program, picks their name with the mouse, answers one operation and sees their name in
the list window's name box; the last program is killed with SIGKILL instead of closed. The
register, read back with the sqlite3 tool, holds exactly those three series, one per name, each
with its operation and answer.

Usage: registro_reale.py <path of veltrix>. Exit 77 (skipped) only when no X server can start.
"""
import os
import signal
import subprocess
import sys

sys.dont_write_bytecode = True  # no cache of the shared module in the source tree
from xreale import attendi, esegui, xdotool  # noqa: E402

ALUNNI = ("Anna", "Bruno", "Maria Vittoria D'Amico")


def serie_di(sessione, programma, nome, uccidi):
    schermo = sessione.schermo
    veltrix = sessione.avvia(programma)
    schermo.sipario_aperto()
    schermo.clic("radio button", "1. Calcolo del risultato")
    schermo.clic("radio button", "1. Numeri da 1 a 30")
    schermo.clic("push button", "Avanti")
    schermo.clic("push button", nome)
    schermo.cerca("label", "Risultato: ?")
    xdotool("key", "5")
    schermo.clic("push button", "Verifica")
    schermo.cerca("label", "Esito", esatto=False)
    schermo.clic("menu item", "Visualizza esercizio")
    casella = schermo.nodo("text", "Nome")
    # The printouts have room for 15 characters: the box takes the name's first ones.
    attendi(lambda: casella.queryText().getText(0, -1) == nome[:15],
            f"la casella del nome dell'elenco non dice {nome[:15]}")
    if uccidi:
        sessione.processi.remove(veltrix)
        os.kill(veltrix.pid, signal.SIGKILL)
        veltrix.wait()
        attendi(lambda: schermo.applicazione() is None, "il programma ucciso si vede ancora")
    else:
        sessione.ferma(veltrix)


def classe(sessione, programma):
    subprocess.run([programma, "--classe", "4B", *ALUNNI], cwd=sessione.cartella, check=True,
                   stdout=subprocess.DEVNULL)
    for nome in ALUNNI:
        serie_di(sessione, programma, nome, uccidi=nome == ALUNNI[-1])
    registro = os.path.join(sessione.cartella, "veltrix-registro.sqlite")
    lette = subprocess.run(
        ["sqlite3", registro,
         "SELECT s.nome_alunno, s.alunno IS NOT NULL, count(o.numero), min(r.risposta)"
         " FROM serie s JOIN operazioni o ON o.serie = s.id"
         " JOIN risposte r ON r.serie = o.serie AND r.numero = o.numero"
         " GROUP BY s.id ORDER BY s.inizio"],
        capture_output=True, text=True, check=True).stdout.splitlines()
    attese = [f"{nome}|1|1|5" for nome in ALUNNI]
    assert lette == attese, f"il registro dice {lette}, non {attese}"


if __name__ == "__main__":
    esegui(classe, "registro di una classe su un server X reale")
