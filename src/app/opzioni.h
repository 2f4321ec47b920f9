// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// The command line. `veltrix --operazione 2` runs with that operation code this time only, so a
// desktop entry or a shortcut per class needs no settings file; `--documenti` works in the user's
// Documents\VELTRIX folder, made if it is missing; `--scala` is read by the scale's own rules.
// `--help` and `--version` answer on the terminal. What is no option of the program is named in
// `avvisi`, one line each, and the program starts as usual.
struct Opzioni {
    bool aiuto = false;
    bool versione = false;
    bool documenti = false;
    std::optional<qint16> operazione;
    // --classe: the class to add to the register, with its pupils, instead of starting.
    std::optional<QString> classe;
    QStringList alunni;
    // --nuovo-pin: the teacher's PIN chosen again on the terminal, instead of starting.
    bool nuovoPin = false;
    QStringList avvisi;
};

// `argomenti` as the program got them, the program's own name first. A single dash reads as two:
// "-h" is "--help".
Opzioni leggiOpzioni(const QStringList& argomenti);

// What --help and --version print, in Italian; `nome` is the program's name as started.
QString testoAiuto(const QString& nome);
QString testoVersione();
