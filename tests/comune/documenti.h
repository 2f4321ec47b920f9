// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Banco;
class QWidget;
struct StatoCondiviso;

// The four printed documents, each asked for as a pupil or a teacher asks: the window that
// prints it is opened on a series or a sheet ready to print, then its print button is pressed.
namespace documenti {
inline const QStringList tutti{QStringLiteral("elenco"), QStringLiteral("attestato"),
                               QStringLiteral("scheda-alunni"), QStringLiteral("scheda-docenti")};

// A series done as the list and certificate windows find it: its record lines, the times of its
// three exercises, the right answers, the pupil's name and the objective and level chosen.
void preparaSerie(StatoCondiviso& s, int operazioni, int esatte, const QString& nome);
// Opens the document's window, ready to print; null when it did not open.
QWidget* prepara(Banco& banco, const QString& documento);
// Presses the print button of the window prepara() opened.
void stampa(QWidget* finestra, const QString& documento);
} // namespace documenti
