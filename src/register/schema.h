// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlDatabase;

// The register's tables, the same on SQLite and on PostgreSQL, and their version: a register made
// by an older program is brought forward step by step; one made by a newer program, or a database
// of another program at the register's place, is never altered.

namespace schema {

// Starts a transaction that writes, holding the write lock from its start.
QString iniziaScrittura(QSqlDatabase& db);

// The version this program writes.
int versioneAttuale();

struct Esito {
    // Empty when the register is ready to be written.
    QString errore;
    // The register will not become usable by trying again: newer, or not a register at all.
    bool definitivo = false;
};

// On an open connection: checks what is there, then creates or brings forward the tables.
// `sqliteSuFile`: switches a SQLite file to the write-ahead journal, once it is known to be ours.
Esito prepara(QSqlDatabase& db, bool sqliteSuFile);

} // namespace schema
