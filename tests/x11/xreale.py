# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tests on a real X server share: Xvfb, a D-Bus session, openbox, the accessibility tree
(AT-SPI) to read what the windows show, xdotool for keys and clicks, and the program reached up
to its exercise window.

A test script calls `esegui(prova, descrizione)`: the script runs once outside, where it starts the
X server and a D-Bus session, and once more inside them, where `prova(sessione)` runs."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SALTATO = 77


def avvia_xvfb(schermo):
    """Starts Xvfb on a display number it picks itself; returns (process, display) or None."""
    if not shutil.which("Xvfb"):
        return None
    r, w = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", schermo,
                             "-nolisten", "tcp"], pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    with os.fdopen(r) as lettura:
        numero = lettura.readline().strip()
    if not numero:
        xvfb.kill()
        return None
    return xvfb, ":" + numero


def fuori(script, programma, schermo):
    """The outer run: an X server of its own, then the script inside a D-Bus session of its own."""
    avvio = avvia_xvfb(schermo)
    if avvio is None:
        print("SALTATO: nessun server X (Xvfb) si avvia su questa macchina")
        return SALTATO
    xvfb, display = avvio
    try:
        ambiente = dict(os.environ, DISPLAY=display)
        ambiente.pop("QT_QPA_PLATFORM", None)
        return subprocess.call(["dbus-run-session", "--", sys.executable, script, "--dentro",
                                programma], env=ambiente)
    finally:
        xvfb.terminate()
        xvfb.wait()


def xdotool(*argomenti):
    subprocess.run(["xdotool", *argomenti], check=True)


def attendi(condizione, descrizione, attesa=10.0):
    fine = time.monotonic() + attesa
    while time.monotonic() < fine:
        if condizione():
            return
        time.sleep(0.2)
    raise AssertionError(descrizione)


def geometria_attiva():
    """The active window's place and size on the screen, as X has them: x, y, width, height."""
    finestra = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True,
                              check=True).stdout.strip()
    righe = subprocess.run(["xwininfo", "-id", finestra], capture_output=True, text=True,
                           check=True).stdout
    valori = dict(riga.strip().split(":", 1) for riga in righe.splitlines() if ":" in riga)
    return tuple(int(valori[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                          "Width", "Height"))


class Schermo:
    """What the program shows, read through the accessibility tree."""

    def __init__(self, pyatspi):
        self.at = pyatspi
        self.scala = 1.0

    def applicazione(self):
        for app in self.at.Registry.getDesktop(0):
            if app is not None and app.name == "veltrix":
                return app
        return None

    def tutti(self):
        app = self.applicazione()
        trovati = []

        def visita(nodo):
            try:
                trovati.append((nodo.getRoleName(), nodo.name or "", nodo))
                figli = list(nodo)
            except Exception:  # a control that went away while being read
                return
            for figlio in figli:
                if figlio is not None:
                    visita(figlio)

        if app is not None:
            visita(app)
        return trovati

    def visibile(self, nodo):
        return nodo.getState().contains(self.at.STATE_SHOWING)

    def cerca(self, ruolo, nome, esatto=True, attesa=10.0):
        fine = time.monotonic() + attesa
        while time.monotonic() < fine:
            for r, n, nodo in self.tutti():
                if r == ruolo and (n == nome if esatto else n.startswith(nome)) \
                        and self.visibile(nodo):
                    return nodo
            time.sleep(0.2)
        raise AssertionError(f"non si vede {ruolo} '{nome}'")

    def testo(self, ruolo, inizio):
        return self.cerca(ruolo, inizio, esatto=False).name

    def nodo(self, ruolo, inizio):
        """A control whether it shows or not, found by the start of its name."""
        for r, n, nodo in self.tutti():
            if r == ruolo and n.startswith(inizio):
                return nodo
        raise AssertionError(f"non c'è {ruolo} '{inizio}'")

    def centro(self, ruolo, nome, acceso=True):
        nodo = self.cerca(ruolo, nome)
        if acceso:
            attendi(lambda: nodo.getState().contains(self.at.STATE_SENSITIVE),
                    f"'{nome}' è spento")
        e = nodo.queryComponent().getExtents(self.at.DESKTOP_COORDS)
        return str(round((e.x + e.width / 2) * self.scala)), \
            str(round((e.y + e.height / 2) * self.scala))

    def clic(self, ruolo, nome):
        xdotool("mousemove", *self.centro(ruolo, nome), "click", "1")

    def con_fuoco(self):
        for r, n, nodo in self.tutti():
            if r == "push button" and nodo.getState().contains(self.at.STATE_FOCUSED):
                return n
        return None

    def cornice_attiva(self):
        for r, n, nodo in self.tutti():
            if r == "frame" and nodo.getState().contains(self.at.STATE_ACTIVE):
                return nodo
        return None

    def finestra_attiva(self):
        nodo = self.cornice_attiva()
        return nodo.name if nodo is not None else None

    def tara(self):
        """Qt 6.4 gives the accessibility tree the places of a scaled interface unscaled: the
        active window's width on X against its width there turns them into screen pixels."""
        attendi(lambda: self.cornice_attiva() is not None, "nessuna finestra attiva")
        larghezza = self.cornice_attiva().queryComponent().getExtents(self.at.DESKTOP_COORDS).width
        self.scala = geometria_attiva()[2] / larghezza

    def menu_schede(self, attesa=60.0):
        """The start window's "Stampa schede", which comes on when the curtain has opened."""
        return self.cerca("menu item", "Stampa schede", attesa=attesa)

    def sipario_aperto(self):
        """The start window once its curtain has gone: only then do the choices take clicks."""
        voce = self.menu_schede()
        attendi(lambda: voce.getState().contains(self.at.STATE_SENSITIVE), "il sipario non si apre",
                60.0)
        self.tara()

    def apri_esercizi(self):
        """From the start window to the exercise window, with the mouse, as a pupil does."""
        self.sipario_aperto()
        self.clic("radio button", "1. Calcolo del risultato")
        self.clic("radio button", "1. Numeri da 1 a 30")
        self.clic("push button", "Avanti")
        self.cerca("label", "Risultato: ?")


def ascoltatore():
    """A process that listens to the accessibility bus as a screen reader does. While one listens,
    Qt's bridge holds every key event to ask the bus about it, and hands the window a copy."""
    codice = ("import pyatspi\n"
              "pyatspi.Registry.registerEventListener(lambda e: None,"
              " 'object:state-changed:showing')\n"
              "print('in ascolto', flush=True)\n"
              "pyatspi.Registry.start()\n")
    processo = subprocess.Popen([sys.executable, "-c", codice], stdout=subprocess.PIPE, text=True)
    processo.stdout.readline()
    return processo


def riesce(*comando):
    return subprocess.run(comando, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


def avvia_openbox():
    """The window manager, once the server takes clients; it is up when it has marked the root
    window as managed."""
    attendi(lambda: riesce("xdotool", "getdisplaygeometry"), "il server X non accetta client")
    for _ in range(3):
        openbox = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)
        fine = time.monotonic() + 10.0
        while time.monotonic() < fine and openbox.poll() is None:
            uscita = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                    capture_output=True, text=True).stdout
            if "window id" in uscita:
                return openbox
            time.sleep(0.2)
        openbox.kill()
        openbox.wait()
    raise AssertionError("openbox non parte")


class Sessione:
    """Inside the D-Bus session: openbox, the accessibility bus, and the program started in a
    folder of its own, its errors kept to show when a check fails."""

    def __init__(self):
        import pyatspi

        self.cartella = tempfile.mkdtemp(prefix="veltrix-x11-")
        self.processi = [avvia_openbox()]
        self.processi.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            stderr=subprocess.DEVNULL))
        time.sleep(1.0)
        self.schermo = Schermo(pyatspi)
        self.errori = os.path.join(self.cartella, "veltrix.err")

    def avvia(self, programma, *argomenti):
        ambiente = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # libxkbcommon-x11 hands strndup a length and a buffer with no terminating NUL, which is
        # legal: AddressSanitizer's strict string check would stop the sanitized build right there.
        if "ASAN_OPTIONS" in ambiente:
            ambiente["ASAN_OPTIONS"] = ambiente["ASAN_OPTIONS"].replace(
                "strict_string_checks=1", "strict_string_checks=0")
        with open(self.errori, "w") as errori:
            veltrix = subprocess.Popen([programma, *argomenti], cwd=self.cartella, env=ambiente,
                                       stderr=errori)
        self.processi.append(veltrix)
        return veltrix

    def ferma(self, processo):
        """Ends a program and waits until the accessibility tree no longer shows it."""
        self.processi.remove(processo)
        processo.terminate()
        processo.wait()
        attendi(lambda: self.schermo.applicazione() is None, "il programma fermato si vede ancora")

    def fallito(self, errore):
        print("FALLITO:", errore)
        with open(self.errori) as letti:
            print("".join(letti.readlines()[-30:]), end="")
        if shutil.which("import"):
            schermata = os.path.join(self.cartella, "schermo.png")
            subprocess.run(["import", "-window", "root", schermata], stderr=subprocess.DEVNULL)
            print("schermata:", schermata)
        return 1

    def chiudi(self):
        for p in reversed(self.processi):
            p.terminate()
            p.wait()


def dentro(prova, descrizione, programma):
    sessione = Sessione()
    try:
        prova(sessione, programma)
    except AssertionError as errore:
        return sessione.fallito(errore)
    finally:
        sessione.chiudi()
    shutil.rmtree(sessione.cartella, ignore_errors=True)
    print(f"{descrizione}: 1 passed, 0 failed")
    return 0


def esegui(prova, descrizione, schermo="1280x800x24"):
    """The script's whole run: `prova(sessione, programma)` inside, on a screen of that size."""
    if len(sys.argv) == 3 and sys.argv[1] == "--dentro":
        sys.exit(dentro(prova, descrizione, sys.argv[2]))
    sys.exit(fuori(os.path.abspath(sys.argv[0]), sys.argv[1], schermo))
