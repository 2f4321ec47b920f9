// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QObject>
#include <QSet>

#include <array>

class QKeyEvent;
class QWindow;

// Which keys are down, for the whole program, so that a held key acts once until it is let go.
//
// X11 sends a held key's repeats as release and press pairs that carry one server timestamp. The
// toolkit marks a pair as a repeat only when the press is already queued behind the release, and
// when a screen reader listens, the accessibility bridge holds every key event, asks the reader
// about it over D-Bus and hands the window a copy without its timestamp. So the pairs are told
// where nothing has touched them yet: in the X server's own events, before the toolkit and the
// bridge see them. A repeat's press is dropped there and never becomes a key event.
//
// The key events that reach a window are tracked too, as the other window systems send them: a
// press marked as a repeat, or of a key that is down, never reaches the window. Each hold
// remembers where it began: a hold begun in a text box keeps its repeats there (a held Backspace
// deletes), one begun elsewhere acts in no text box the focus moves to meanwhile.
class TastiPremuti : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // The program's one tracker, made on first use and owned by the application.
    static TastiPremuti* perApplicazione();

    bool nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr* risultato) override;

signals:
    // A key was let go somewhere in the program, or the keyboard focus moved to another of its
    // windows: every window's hold ends, wherever the key was pressed.
    void rilasciato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    explicit TastiPremuti(QObject* parent);
    void segui(QWindow* finestra);
    bool ripetizione(const QKeyEvent* e);
    bool tieneIlTesto(quint32 tasto) const;
    void lasciato(quint32 tasto);
    void dimentica();

    // The keys down; and for every key, whether its last hold began in a text box, which the
    // release and press pairs of a held key must not forget.
    QSet<quint32> giu;
    QHash<quint32, bool> tenutaNelTesto;
    // The X server's time of each key's last release, by its keycode; 0 once pressed again.
    std::array<quint32, 256> rilascioX{};
};
