// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class Archivio;

// The settings file: one line with the operation code and the objective set, " 3  1 " CR LF.
namespace impostazioni {

QString nomeFileImpostazioni(const QString& nomeProgramma);

// Reads both numbers. On any failure the objective set becomes 1 and the operation code keeps
// what it held, or the first number if that one was read.
void leggiLivelli(const Archivio& archivio, const QString& percorso, qint16& Operazione,
                  qint16& GruppoObiettivi);
// The same rule on what the file holds: only its first 4096 bytes count.
void leggiLivelliDa(const QByteArray& contenuto, qint16& Operazione, qint16& GruppoObiettivi);

// Replaces the file as a whole, or leaves the previous settings intact. A failure is reported
// to the caller only; the program goes on silently.
bool scriviLivelli(Archivio& archivio, const QString& percorso, qint16 Operazione,
                   qint16 GruppoObiettivi);

QByteArray rigaImpostazioni(qint16 Operazione, qint16 GruppoObiettivi);
} // namespace impostazioni
