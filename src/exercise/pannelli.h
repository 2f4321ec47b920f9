// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class PannelloScelte;
class QFrame;
class QLabel;
class QWidget;
class Tastierino;

// The panels that take one another's place under the operation: the keypad, the help that
// follows a wrong answer, the warning of a long series, the intervention after refused help and
// the warning before a printable series is left. One of them at a time is in front and usable.
struct Pannelli {
    // The choices of the help and warning panels, by their places.
    static constexpr int si = 0;
    static constexpr int no = 1;
    static constexpr int stampa = 0;
    static constexpr int ricomincia = 1;
    static constexpr int esco = 1;

    // Built in the area in this order, so that the focus goes from one panel to the next as
    // it always has; the marker last.
    static Pannelli crea(QWidget* area);

    Tastierino* tastierino = nullptr;
    PannelloScelte* aiuto = nullptr;
    PannelloScelte* avviso = nullptr;
    PannelloScelte* intervento = nullptr;
    PannelloScelte* uscita = nullptr;
    // What the warning says: why the series cannot go on as it was.
    QLabel* testoAvviso = nullptr;
    // Where the four stand: a marker kept in proportion with the window like every control.
    QLabel* riferimento = nullptr;

    void posiziona();
    void disattiva();
    // The others off and hidden, this one on and in front.
    void attiva(QFrame* pannello);

private:
    std::array<QFrame*, 5> tutti() const;
};
