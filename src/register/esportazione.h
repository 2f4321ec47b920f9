// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/serieregistrata.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The register's series for a spreadsheet: the CSV that Italian LibreOffice Calc and Excel open
// without asking anything. ";" between fields, UTF-8 with a byte-order mark, CR LF at each line's
// end, fields quoted as RFC 4180 says, dates in ISO 8601, numbers as plain numbers.
QByteArray csvSerie(const QList<SerieRegistrata>& serie);

// Writes `dati` to a new file at `percorso`: only a file this call makes, never one already there
// nor through a link. Empty when written; otherwise why not, for the teacher.
QString scriviFileNuovo(const QString& percorso, const QByteArray& dati);
