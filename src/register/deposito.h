// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/serieregistrata.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>

class QSqlDatabase;

// One database that holds a register: a SQLite file on this PC, or the school's PostgreSQL.
// The same statements reach both, every value bound, never pasted into the SQL. A connection that
// fails is closed, and the next call opens it again: a server that was restarted is found again.
class Deposito {
public:
    // `file`: the SQLite file, ":memory:" for one that lives as long as this object. A file that
    // does not exist yet is made readable by its owner only.
    static Deposito sqlite(const QString& file);
    // `connessione`: key=value parameters as libpq takes them ("service=scuola", "host=... dbname=
    // ..."); the password, if any, comes from libpq's own password file.
    static Deposito postgres(const QString& connessione);
    Deposito(Deposito&& altro) noexcept;
    ~Deposito();
    Deposito(const Deposito&) = delete;
    Deposito& operator=(const Deposito&) = delete;
    Deposito& operator=(Deposito&&) = delete;

    // Opens the connection and checks or makes the tables, if not done yet. Empty when ready;
    // otherwise why not, in words for the teacher.
    QString apri();
    // Whether trying again may help: false for a register of a newer program or another one.
    bool ritentabile() const { return !rifiutato; }
    QString descrizione() const;

    // Writes, in one transaction, each series with the operations named beside it. `daInviare`
    // marks them for the shared register, where this one only keeps them while it is away.
    struct DaScrivere {
        SerieRegistrata serie;
        QList<int> operazioni;
    };
    QString scrivi(const QList<DaScrivere>& serie, bool daInviare);
    // The series marked to be sent, each whole, and the mark taken away once they arrived.
    QList<SerieRegistrata> serieDaInviare(QString& errore);
    QString segnaInviate(const QStringList& id);

    QList<ClasseRegistro> classi(QString& errore);
    // A class with its pupils, added to what is there; the ids given are kept, so that a copy of
    // a shared register's classes names the same pupils.
    QString aggiungiClasse(const ClasseRegistro& classe);
    // Series whole, or only their own line: a summary, a count or a spreadsheet needs no
    // operation, and reads a whole year in a fraction of the time.
    enum class Lettura { intere, soloSerie };
    // The series of one pupil, or of a class's pupils, begun in [dal, al), oldest first; an
    // invalid bound is open.
    QList<SerieRegistrata> seriePerAlunno(const QString& alunno, QString& errore,
                                          const QDateTime& dal = {}, const QDateTime& al = {},
                                          Lettura lettura = Lettura::intere);
    QList<SerieRegistrata> serieDellaClasse(const QString& classe, const QDateTime& dal,
                                            const QDateTime& al, QString& errore,
                                            Lettura lettura = Lettura::intere);

    // The teacher's changes to classes and pupils. Removing takes the pupil's series with it.
    QString rinominaClasse(const QString& classe, const QString& nome);
    QString rinominaAlunno(const QString& alunno, const QString& nome);
    QString rimuoviAlunno(const QString& alunno);
    QString rimuoviClasse(const QString& classe);
    // Every series begun before `prima`: how many, and removing them.
    int contaSeriePrima(const QDateTime& prima, QString& errore);
    QString rimuoviSeriePrima(const QDateTime& prima);

    // A setting of the register, such as the PIN's hash; empty when there is none.
    QString impostazione(const QString& chiave, QString& errore);
    QString scriviImpostazione(const QString& chiave, const QString& valore);

private:
    Deposito(QString driver, QString nome, QString opzioni);
    QSqlDatabase db() const;
    // Closes the connection after a failure; `annulla` first takes back the transaction begun.
    QString fallito(const QString& errore, bool annulla = false);
    QList<SerieRegistrata> leggi(const QString& filtro, const QVariantList& valori, QString& errore,
                                 Lettura lettura = Lettura::intere);
    // One write transaction around `lavoro`, which returns empty when done or why not.
    QString inTransazione(const std::function<QString(QSqlDatabase&)>& lavoro);
    // What was removed is gone from the file too, not only from the tables.
    QString cancellaDavvero();

    QString connessione;
    QString driver;
    QString luogo;
    QString opzioni;
    bool pronto = false;
    bool rifiutato = false;
};
