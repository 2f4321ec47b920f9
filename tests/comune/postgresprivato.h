// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A PostgreSQL server of the test's own: its data, log and socket in a temporary folder, reached
// through that socket only (no TCP port is opened), with a user "veltrix" who needs no password
// and an empty database "registro". Run by root, whom PostgreSQL refuses, the server runs as
// "nobody", the owner of the folder.
class PostgresPrivato {
public:
    PostgresPrivato();
    ~PostgresPrivato();
    PostgresPrivato(const PostgresPrivato&) = delete;
    PostgresPrivato& operator=(const PostgresPrivato&) = delete;

    // Empty when it runs; otherwise why not, for the test to skip with.
    QString problema() const { return perche; }
    // What libpq is given to reach it, as QSqlDatabase::setConnectOptions() takes it for QPSQL.
    QString connessione() const;
    // Stops the server, as a register that is down; false when it did not stop.
    bool ferma();
    // Starts it again on the same folder and port, its data as they were; false when it did not.
    bool avvia();

private:
    // Runs one of PostgreSQL's programs, as the server's user; false when it failed or hung.
    bool esegui(const QString& programma, const QStringList& argomenti, int secondi);
    QString dati() const { return cartella.filePath(QStringLiteral("dati")); }

    QTemporaryDir cartella;
    QString programmi;   // the folder of initdb, pg_ctl and createdb
    QStringList davanti; // what runs them as the server's user, when that is not this process's
    int porta = 0;
    bool acceso = false;
    QString errore; // the first line the last program wrote on its standard error
    QString perche;
};
