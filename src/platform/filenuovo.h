// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFile;

// Creates `base` + `estensione` in the current directory, or `base`-2, -3 and on when the name
// is taken, and opens it for writing in `file`. Only a file this call made is ever opened:
// nothing at the name is followed, a link included, dangling or not. The name stays relative,
// so a current directory that was deleted fails here instead of resolving somewhere else.
// Returns the name made; empty when none could be.
QString creaFileNuovo(const QString& base, const QString& estensione, QFile& file);

// One attempt at one name, made by each system its own way: the file is created and opened only
// when nothing is at the name; Occupato when something is, Fallito when it could not be made.
enum class Creazione { Creato, Occupato, Fallito };
Creazione creaSeNuovo(const QString& nome, QFile& file);

// Makes an empty file at `nome` that only its owner may read and write, when nothing is there:
// a file of pupils' names is nobody else's business. True when it made one.
bool creaFilePrivato(const QString& nome);
