// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tasti.h"

#include <QKeyEvent>

int tasti::codice(const QKeyEvent* evento) {
    const int k = evento->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9) {
        const int base = evento->modifiers().testFlag(Qt::KeypadModifier) ? zeroTastierino : zero;
        return base + (k - Qt::Key_0);
    }
    if (k >= Qt::Key_A && k <= Qt::Key_Z) {
        return 'A' + (k - Qt::Key_A);
    }
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return invio;
    case Qt::Key_Backspace:
        return cancella;
    case Qt::Key_Space:
        return spazio;
    case Qt::Key_Left:
        return sinistra;
    case Qt::Key_Up:
        return su;
    case Qt::Key_Right:
        return destra;
    case Qt::Key_Down:
        return giu;
    case Qt::Key_F2:
        return f2;
    default:
        return 0;
    }
}

int tasti::carattere(const QKeyEvent* evento) {
    const QString testo = evento->text();
    return testo.isEmpty() ? 0 : testo.front().unicode();
}

bool tasti::perIlToolkit(int codice) {
    return (codice >= sinistra && codice <= giu) || codice == f2;
}
