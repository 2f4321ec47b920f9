// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>
#include <vector>

namespace schema {

namespace {

// Step n brings a register of version n to version n + 1. A step is only ever added: a register
// in a school may be of any version this program ever wrote. Plain TEXT and INTEGER columns, so
// that both engines read the same statements; times are UTC in ISO 8601, which sorts as text.
const std::vector<std::vector<const char*>> passi{
    {
        "CREATE TABLE veltrix_versione (numero INTEGER NOT NULL)",
        "CREATE TABLE classi (id TEXT PRIMARY KEY, nome TEXT NOT NULL UNIQUE)",
        "CREATE TABLE alunni (id TEXT PRIMARY KEY,"
        " classe TEXT NOT NULL REFERENCES classi (id) ON DELETE CASCADE,"
        " nome TEXT NOT NULL, UNIQUE (classe, nome))",
        "CREATE TABLE serie (id TEXT PRIMARY KEY,"
        " alunno TEXT REFERENCES alunni (id) ON DELETE CASCADE, nome_alunno TEXT NOT NULL,"
        " programma TEXT NOT NULL, operazione INTEGER NOT NULL, obiettivo TEXT NOT NULL,"
        " tipo_min INTEGER NOT NULL, tipo_max INTEGER NOT NULL, livello INTEGER NOT NULL,"
        " descrizione_livello TEXT NOT NULL, numero_min INTEGER NOT NULL,"
        " numero_max INTEGER NOT NULL, inizio TEXT NOT NULL, fine TEXT NOT NULL,"
        " operazioni INTEGER NOT NULL, esatte INTEGER NOT NULL, errate INTEGER NOT NULL,"
        " tempo_totale INTEGER NOT NULL, valutazione TEXT NOT NULL,"
        " da_inviare INTEGER NOT NULL DEFAULT 0)",
        "CREATE INDEX serie_per_alunno ON serie (alunno, inizio)",
        "CREATE TABLE operazioni (serie TEXT NOT NULL REFERENCES serie (id) ON DELETE CASCADE,"
        " numero INTEGER NOT NULL, riga TEXT NOT NULL, termine_a INTEGER NOT NULL,"
        " termine_b INTEGER NOT NULL, termine_c INTEGER NOT NULL, risultato INTEGER NOT NULL,"
        " segno TEXT NOT NULL, mancante INTEGER NOT NULL, aiuti_rifiutati INTEGER NOT NULL,"
        " aiuto_accettato INTEGER NOT NULL, intervento INTEGER NOT NULL,"
        " tempo INTEGER NOT NULL, PRIMARY KEY (serie, numero))",
        "CREATE TABLE risposte (serie TEXT NOT NULL, numero INTEGER NOT NULL,"
        " ordine INTEGER NOT NULL, risposta TEXT NOT NULL, esatta INTEGER NOT NULL,"
        " PRIMARY KEY (serie, numero, ordine), FOREIGN KEY (serie, numero)"
        " REFERENCES operazioni (serie, numero) ON DELETE CASCADE)",
        "INSERT INTO veltrix_versione (numero) VALUES (0)",
    },
    // The teacher's window: the PIN's hash and the wrong tries, kept where the classes are.
    {
        "CREATE TABLE impostazioni (chiave TEXT PRIMARY KEY, valore TEXT NOT NULL)",
    },
};

QString esegui(QSqlDatabase& db, const QString& testo) {
    QSqlQuery query(db);
    return query.exec(testo) ? QString() : query.lastError().text();
}

// The version of the register, 0 for an empty database; -1 when the database holds tables of
// something else.
int versione(QSqlDatabase& db, QString& errore) {
    // A query first: a file that is no database fails here, before anything is written to it.
    QSqlQuery prova(db);
    if (!prova.exec(db.driverName() == QLatin1String("QSQLITE")
                        ? QStringLiteral("SELECT count(*) FROM sqlite_master")
                        : QStringLiteral("SELECT 1"))) {
        errore = prova.lastError().text();
        return 0;
    }
    const QStringList tabelle = db.tables();
    if (tabelle.isEmpty()) {
        return 0;
    }
    if (!tabelle.contains(QStringLiteral("veltrix_versione"))) {
        return -1;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT numero FROM veltrix_versione")) || !query.next()) {
        errore = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

} // namespace

QString iniziaScrittura(QSqlDatabase& db) {
    if (db.driverName() == QLatin1String("QSQLITE")) {
        // The write lock from the start: a transaction that read first and then finds another
        // program wrote meanwhile fails at once, without waiting its turn.
        return esegui(db, QStringLiteral("BEGIN IMMEDIATE"));
    }
    if (!db.transaction()) {
        return db.lastError().text();
    }
    // One program at a time makes or changes the tables on the school's server.
    if (QString e = esegui(db, QStringLiteral("SELECT pg_advisory_xact_lock(736835)"));
        !e.isEmpty()) {
        db.rollback();
        return e;
    }
    return {};
}

int versioneAttuale() {
    return static_cast<int>(passi.size());
}

Esito prepara(QSqlDatabase& db, bool sqliteSuFile) {
    QString errore;
    const int trovata = versione(db, errore);
    if (!errore.isEmpty() && trovata == 0) {
        return {errore, false};
    }
    if (trovata < 0) {
        return {QStringLiteral("contiene dati di un altro programma"), true};
    }
    if (trovata > versioneAttuale()) {
        return {QStringLiteral("è stato scritto da una versione più nuova di VELTRIX"), true};
    }
    if (sqliteSuFile) {
        // A reader beside the writer, and a write that survives a killed program.
        if (QString e = esegui(db, QStringLiteral("PRAGMA journal_mode = WAL")); !e.isEmpty()) {
            return {e, false};
        }
    }
    if (trovata == versioneAttuale()) {
        return {};
    }
    // Two programs may start on a new register at once: one makes the tables, the other waits,
    // then finds them made.
    if (QString e = iniziaScrittura(db); !e.isEmpty()) {
        return {e, false};
    }
    QString ancora;
    const int sottoChiave = versione(db, ancora);
    if (!ancora.isEmpty() || sottoChiave < 0 || sottoChiave > versioneAttuale()) {
        db.rollback();
        return {ancora.isEmpty() ? QStringLiteral("è cambiato mentre lo aprivo") : ancora, false};
    }
    for (size_t passo = static_cast<size_t>(sottoChiave); passo < passi.size(); ++passo) {
        for (const char* istruzione : passi[passo]) {
            if (QString e = esegui(db, QString::fromLatin1(istruzione)); !e.isEmpty()) {
                db.rollback();
                return {e, false};
            }
        }
    }
    QSqlQuery aggiorna(db);
    aggiorna.prepare(QStringLiteral("UPDATE veltrix_versione SET numero = ?"));
    aggiorna.addBindValue(versioneAttuale());
    if (!aggiorna.exec() || !db.commit()) {
        const QString e = aggiorna.lastError().text() + db.lastError().text();
        db.rollback();
        return {e, false};
    }
    return {};
}

} // namespace schema
