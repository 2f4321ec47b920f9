#pragma once

#include <QString>
#include <QtGlobal>

// The settings file: one line with the operation code and the objective set, " 3  1 " CR LF.

QString nomeFileImpostazioni(const QString& nomeProgramma);

// Reads both numbers. On any failure the objective set becomes 1 and the operation code keeps
// what it held, or the first number if that one was read.
void leggiLivelli(const QString& percorso, qint16& Operazione, qint16& GruppoObiettivi);
// The same rule on what the file holds: only its first 4096 bytes count.
void leggiLivelliDa(const QByteArray& contenuto, qint16& Operazione, qint16& GruppoObiettivi);

// Replaces the file as a whole: the line goes to a temporary file beside it, which is then
// renamed over the old one, so a failed write leaves the previous settings intact. Only a
// regular file is written, and a file that is there but may not be read is left as it is. A
// failure is reported to the caller only; the program goes on silently.
bool scriviLivelli(const QString& percorso, qint16 Operazione, qint16 GruppoObiettivi);

QByteArray rigaImpostazioni(qint16 Operazione, qint16 GruppoObiettivi);
