// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>

class QKeyEvent;

// Which keys are down, for the whole program, so that a held key acts once until it is let go.
// X11 sends a held key's repeats as release and press pairs, and the toolkit marks them as repeats
// only when the press is already queued behind the release: under load many pairs come unmarked.
// The pair still shares one timestamp, and the key's scan code says which key it is, so a press
// of a key that is down, or that comes at the very instant that key was let go, is a repeat and
// never reaches the window. Text boxes keep their repeats: a held Backspace deletes there.
class TastiPremuti : public QObject {
    Q_OBJECT
public:
    // The program's one tracker, made on first use and owned by the application.
    static TastiPremuti* perApplicazione();

signals:
    // A key was let go somewhere in the program, or the keyboard focus moved to another of its
    // windows: every window's hold ends, wherever the key was pressed.
    void rilasciato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    explicit TastiPremuti(QObject* parent);
    bool ripetizione(const QKeyEvent* e);
    void lasciato(const QKeyEvent* e);
    void dimentica();

    QSet<quint32> giu;
    quint32 ultimoLasciato = 0;
    quint64 istanteLasciato = 0;
};
