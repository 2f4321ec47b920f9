// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the program tells the user. Windows never open a QMessageBox themselves: in a test a modal
// box would wait for a click that never comes.
class Messaggi {
public:
    virtual ~Messaggi() = default;
    // A modal box with one OK button and the program's name as title: for what must be read.
    virtual void mostra(const QString& testo) = 0;
    // A brief notice that goes away by itself and is spoken by a screen reader: for news that
    // needs no answer, such as a job sent to the printer.
    virtual void avvisa(const QString& testo) = 0;
    // A modal box with "Sì" and "No", for what cannot be undone: true for "Sì". Where nobody can
    // answer, the answer is no.
    virtual bool chiedi(const QString& testo) {
        Q_UNUSED(testo);
        return false;
    }
};
