// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Modal message box with one OK button and the program's name as title. Windows never open a
// QMessageBox themselves: in a test a modal box would wait for a click that never comes.
class Messaggi {
public:
    virtual ~Messaggi() = default;
    virtual void mostra(const QString& testo) = 0;
};
