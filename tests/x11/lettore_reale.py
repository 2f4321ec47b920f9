#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader (Orca) is told, read from the accessibility bus (AT-SPI) of a real X
server: the choices of the start window are options, checked when chosen, that the reader's
"press" works; colour strips and empty labels are not there to read; the panels behind the keypad
are not showing; the verdict on an answer, each new operation (the first one once its window is
active) and the correct answer after help come as notifications, which Orca speaks whatever has
the focus; after a wrong answer the focus is on the help panel's SI.

Usage: lettore_reale.py <path of veltrix>. Exit 77 (skipped) only when no X server can start.
"""
import re
import sys

sys.dont_write_bytecode = True  # no cache of the shared module in the source tree
from xreale import attendi, esegui, xdotool  # noqa: E402


class Annunci:
    """The notifications that start showing, as a screen reader hears them, and in `ordine` the
    same with the windows activated between them, as ("finestra", title) and ("annuncio", text):
    a reader drops what a window says before it is the active one."""

    def __init__(self, pyatspi):
        from gi.repository import GLib

        self.contesto = GLib.MainContext.default()
        self.detti = []
        self.ordine = []
        pyatspi.Registry.registerEventListener(self.evento, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(self.attivata, "window:activate")

    def evento(self, e):
        try:
            if e.detail1 == 1 and e.source.getRoleName() == "notification":
                self.detti.append(e.source.name)
                self.ordine.append(("annuncio", e.source.name))
        except Exception:  # a control that went away while being read
            pass

    def attivata(self, e):
        try:
            self.ordine.append(("finestra", e.source.name))
        except Exception:
            pass

    def dopo_l_attivazione(self, finestra, detto):
        """Whether `detto` was said after `finestra` last became active."""
        attivazioni = [i for i, voce in enumerate(self.ordine) if voce == ("finestra", finestra)]
        return bool(attivazioni) and ("annuncio", detto) in self.ordine[attivazioni[-1]:]

    def attendi(self, condizione, descrizione):
        """Waits as `attendi` does, handing the bus's events to the listener meanwhile."""
        def sentiti():
            while self.contesto.iteration(False):
                pass
            return condizione(self.detti)

        try:
            attendi(sentiti, descrizione)
        except AssertionError:
            raise AssertionError(f"{descrizione}; annunci: {self.detti}") from None


def premi_dal_lettore(nodo):
    """What Orca's click does: the control's own "press" action."""
    azione = nodo.queryAction()
    nomi = [azione.getName(i).lower() for i in range(azione.nActions)]
    assert "press" in nomi, f"'{nodo.name}' non ha l'azione press ({nomi})"
    azione.doAction(nomi.index("press"))


def da_non_leggere(schermo):
    """Labels a reader would say though they show nothing: empty ones, colour strips."""
    return [n for r, n, nodo in schermo.tutti()
            if r == "label" and schermo.visibile(nodo)
            and (n.strip() == "" or re.match(r"OBIETTIVI|LIVELLI", n))]


def scelte(schermo):
    """The start window: an objective and a level pressed as the reader presses them; the options
    checked are then exactly those chosen."""
    schermo.sipario_aperto()
    assert da_non_leggere(schermo) == [], f"si leggono etichette vuote: {da_non_leggere(schermo)}"

    def segnate():
        return [n for r, n, nodo in schermo.tutti() if r == "radio button"
                and schermo.visibile(nodo) and nodo.getState().contains(schermo.at.STATE_CHECKED)]

    scelti = []
    for nome in ("1. Calcolo del risultato", "1. Numeri da 1 a 30"):
        premi_dal_lettore(schermo.cerca("radio button", nome))
        scelti.append(nome)
        attendi(lambda: segnate() == scelti,
                f"dopo press su '{nome}' sono segnate {segnate()}, non {scelti}")


def pannelli_dietro(schermo):
    """The controls of the panels behind the one in front that a reader finds showing."""
    mostrati = []
    for r, n, nodo in schermo.tutti():
        if n in ("Aiuto", "Avviso", "Intervento", "Tastierino") and r != "label":
            mostrati += [(n, figlio.name) for figlio in nodo
                         if figlio is not None and schermo.visibile(figlio)]
    return mostrati


def termini(schermo):
    return [schermo.testo("label", f"{quale} numero: ").split(": ")[1]
            for quale in ("Primo", "Secondo", "Terzo")]


def frase(schermo):
    a, b, c = termini(schermo)
    return f"{a} più {b} più {c} uguale ?"


def lettore(sessione, programma):
    schermo = sessione.schermo
    annunci = Annunci(schermo.at)
    sessione.avvia(programma)
    scelte(schermo)
    premi_dal_lettore(schermo.cerca("push button", "Avanti"))
    schermo.cerca("label", "Risultato: ?")

    prima = frase(schermo)
    esercizi = "ESERCIZI SULLE ADDIZIONI.1"
    annunci.attendi(lambda d: annunci.dopo_l_attivazione(esercizi, prima),
                    f"l'operazione '{prima}' non è annunciata dopo che la finestra è attiva "
                    f"({annunci.ordine})")
    davanti = {n for n, _ in pannelli_dietro(schermo)}
    assert davanti == {"Tastierino"}, f"pannelli che si leggono: {pannelli_dietro(schermo)}"
    assert da_non_leggere(schermo) == [], f"si leggono etichette vuote: {da_non_leggere(schermo)}"

    giusta = str(sum(int(t) for t in termini(schermo)))
    for cifra in giusta:
        xdotool("key", cifra)
    schermo.cerca("label", f"Risultato: {giusta}")
    schermo.clic("push button", "Verifica")
    annunci.attendi(lambda d: d[-1:] == ["Esatto"], "'Esatto' non è annunciato")

    xdotool("key", "Return")  # the focus is on the keypad's "Avanti" after a right answer
    schermo.cerca("label", "Operazioni: 2")
    seconda = frase(schermo)
    annunci.attendi(lambda d: d[-1:] == [seconda], f"l'operazione '{seconda}' non è annunciata")

    xdotool("key", "0")
    schermo.clic("push button", "Verifica")
    annunci.attendi(lambda d: d[-1:] == ["Errato. Ti aiuto ?"], "'Errato' e l'aiuto non sono annunciati")
    attendi(lambda: {n for n, _ in pannelli_dietro(schermo)} == {"Aiuto"},
            f"con l'aiuto davanti si leggono: {pannelli_dietro(schermo)}")
    attendi(lambda: schermo.con_fuoco() == "SI", f"il fuoco è su '{schermo.con_fuoco()}', non su SI")

    xdotool("key", "Return")  # SI: the correct answer is shown, and said
    giusta = str(sum(int(t) for t in termini(schermo)))
    annunci.attendi(lambda d: d[-1:] == [f"Risposta giusta: {giusta}"],
                    "la risposta giusta non è annunciata")


if __name__ == "__main__":
    esegui(lettore, "lettore di schermo su un server X reale")
