// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QString>
#include <QWidget>
#include <Qt>
#include <QtGlobal>

// Driving a window from the keyboard as a pupil does: keys go to the window with the focus, as
// the window system sends them, and from there to its focused control; the release goes to the
// window that has the focus once the press has done its work.
// The window on screen and active, as after the pupil's first click on it; null when it did not
// show.
bool mostrataEAttiva(QWidget* finestra);
template <typename F> F* inPrimoPiano(F* finestra) {
    return finestra && mostrataEAttiva(finestra) ? finestra : nullptr;
}

QWidget* destinatario();
// The character a key types, as the window system sends it with the key; empty for none.
QString testoDelTasto(Qt::Key k);
// One key event to the window of `dove` (by default the focused control's, or the active window),
// marked as a repeat where `ripetuto`.
void mandaTasto(QEvent::Type tipo, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier,
                const QString& testo = QString(), bool ripetuto = false, QWidget* dove = nullptr);
void premi(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier);
// A key held down: its press, then repeats (on X11 a release marked as a repeat before each
// repeated press), then the release.
void tieni(Qt::Key k, const QString& testo, int ripetizioni);
// Keys as X11 sends them to a window, "+7@10 -7@500 +7@500r ...": "+" down, "-" up, the key
// ("0"-"9", "k0"-"k9" on the numeric pad, "B" Backspace, "E" Enter), "@" the server's time, then
// flags: "r" marked as a repeat by the toolkit, "c" a copy without its timestamp (what the
// accessibility bridge hands on while a screen reader listens), "n" seen by the server only (the
// toolkit drops it, its window being behind a modal box). "~" passes the focus to another window
// and back, as when a message box closes: a key let go meanwhile reaches nobody. A key let go
// after its window closed goes to the window in front.
void sequenzaDalSistema(QWidget* finestra, const QString& sequenza);
QString nomeFuoco();

// A window's control by name; null, with a warning that names it, when there is none.
template <typename T = QWidget> T* controllo(QWidget* finestra, const QString& nome) {
    T* w = finestra ? finestra->findChild<T*>(nome) : nullptr;
    if (!w) {
        qWarning("controllo mancante: %s", qPrintable(nome));
    }
    return w;
}
// A click as a pupil's: the press (option buttons choose on it), then the release on the control
// when the press left it in its window. A missing control fails the test.
void premi(QWidget* finestra, const QString& nome);
// The control is there and answers.
bool attivo(QWidget* finestra, const QString& nome);
// The text of a window's label found by name; "<manca NOME>" when there is none, so a missing
// label fails the comparison instead of stopping the test.
QString testoDi(QWidget* finestra, const QString& nome);
// Types a text, accented letters included (QTest::keyClicks knows only ASCII keys).
void scriviTesto(QWidget* w, const QString& testo);
