// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <initializer_list>

class QWidget;

// The program's own answers to a screen reader: labels, option buttons, announcements. Installed
// before the first window is built, since a control the reader has asked about keeps its answers.
void installaAccessibilita();

// What a control means, for a screen reader, where its caption does not say it. A label keeps
// saying what it shows after its meaning ("Risultato: 24"); any other control says its meaning.
void impostaSignificato(QWidget* controllo, const QString& significato);

// The same for controls found by name in a window; a name the window lacks is passed over.
struct Significato {
    const char* nome;
    const char* significato;
};
void impostaSignificati(QWidget* finestra, std::initializer_list<Significato> tabella);
