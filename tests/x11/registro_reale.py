#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A class of three on a real X server: `--classe` starts it from a terminal, then each pupil
starts the program, picks their name with the mouse, answers one operation and sees their name in
the list window's name box; the last program is killed with SIGKILL instead of closed. The
register, read back with the sqlite3 tool, holds exactly those three series, one per name, each
with its operation and answer. Then the teacher: "Registro" without the PIN shows nothing of the
class; with the PIN chosen, the day's table names the three, Anna's page speaks its chart, and
"Stampa" gives her page, read back from the PDF with pdftotext.

Usage: registro_reale.py <path of veltrix>. Exit 77 (skipped) only when no X server can start.
"""
import glob
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
    docente(sessione, programma)


def docente(sessione, programma):
    schermo = sessione.schermo
    veltrix = sessione.avvia(programma)
    schermo.sipario_aperto()
    schermo.clic("menu item", "Registro")
    schermo.cerca("label", "Scegli il PIN del docente", esatto=False)
    xdotool("type", "2468")
    xdotool("key", "Tab")
    xdotool("type", "2468")
    xdotool("key", "Return")
    # The pupils' names, read by a screen reader from the day's table.
    celle = schermo.cerca("table", "La classe nel periodo")
    attendi(lambda: {celle.getChildAtIndex(i).name for i in range(celle.childCount)}
            >= set(ALUNNI), "la tabella del giorno non nomina i tre alunni")
    xdotool("key", "alt+a")
    grafico = schermo.cerca("filler", "Grafico dei progressi")
    assert "1 serie" in grafico.description, f"il grafico dice: {grafico.description}"
    schermo.clic("push button", "Stampa")
    attendi(lambda: glob.glob(os.path.join(sessione.cartella, "*.pdf")), "nessun PDF stampato")
    pdf = glob.glob(os.path.join(sessione.cartella, "*.pdf"))[0]
    attendi(lambda: "Anna - pagina 1 di 1" in subprocess.run(
        ["pdftotext", pdf, "-"], capture_output=True, text=True).stdout,
        "la pagina stampata non è quella di Anna")
    sessione.ferma(veltrix)

    # Another program, as a pupil would start it: the PIN asked, and nothing of the class shown.
    veltrix = sessione.avvia(programma)
    schermo.sipario_aperto()
    schermo.clic("menu item", "Registro")
    schermo.cerca("label", "Scrivi il PIN del docente.")
    assert not [n for r, n, _ in schermo.tutti() if n in ALUNNI or r == "table"], \
        "senza PIN si vede la classe"
    sessione.ferma(veltrix)


if __name__ == "__main__":
    esegui(classe, "registro di una classe su un server X reale")
