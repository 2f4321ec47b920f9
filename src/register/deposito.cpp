// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/deposito.h"

#include "platform/filenuovo.h"
#include "register/schema.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {

const QString sqliteDriver = QStringLiteral("QSQLITE");
// How long a write waits for another program holding the register: long enough for a colleague's
// short transaction, short enough that a pupil does not notice.
constexpr int attesaBloccoMs = 2000;
constexpr int attesaServerS = 3;

QVariant testoONullo(const QString& testo) {
    return testo.isEmpty() ? QVariant() : QVariant(testo);
}

QString momento(const QDateTime& quando) {
    return quando.toUTC().toString(Qt::ISODate);
}

bool esegui(QSqlQuery& query, const QVariantList& valori) {
    int i = 0;
    for (const QVariant& valore : valori) {
        // Qt SQL binds a null QString as NULL: an empty text is still a text.
        const bool vuoto = valore.typeId() == QMetaType::QString && valore.toString().isNull();
        query.bindValue(i++, vuoto ? QVariant(QStringLiteral("")) : valore);
    }
    return query.exec();
}

} // namespace

// The connection is made at the first use: loading a driver has no place before the first paint.
Deposito::Deposito(QString driver, QString nome, QString opzioni)
    : connessione(QUuid::createUuid().toString(QUuid::WithoutBraces)), driver(std::move(driver)),
      luogo(std::move(nome)), opzioni(std::move(opzioni)) {}

Deposito Deposito::sqlite(const QString& file) {
    return Deposito(sqliteDriver, file,
                    QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(attesaBloccoMs));
}

Deposito Deposito::postgres(const QString& parametri) {
    // A server that does not answer must not hold the pupil's next operation for long.
    return Deposito(QStringLiteral("QPSQL"), parametri,
                    parametri + QStringLiteral(" connect_timeout=%1").arg(attesaServerS));
}

Deposito::Deposito(Deposito&& altro) noexcept
    : connessione(std::move(altro.connessione)), driver(std::move(altro.driver)),
      luogo(std::move(altro.luogo)), opzioni(std::move(altro.opzioni)), pronto(altro.pronto),
      rifiutato(altro.rifiutato) {
    altro.connessione.clear();
}

Deposito::~Deposito() {
    if (connessione.isEmpty() || !QSqlDatabase::contains(connessione)) {
        return;
    }
    QSqlDatabase::database(connessione, false).close();
    QSqlDatabase::removeDatabase(connessione);
}

QSqlDatabase Deposito::db() const {
    if (!QSqlDatabase::contains(connessione)) {
        QSqlDatabase d = QSqlDatabase::addDatabase(driver, connessione);
        if (driver == sqliteDriver) {
            d.setDatabaseName(luogo);
        }
        d.setConnectOptions(opzioni);
    }
    return QSqlDatabase::database(connessione, false);
}

QString Deposito::descrizione() const {
    return driver == sqliteDriver ? QFileInfo(luogo).absoluteFilePath()
                                  : QStringLiteral("il registro della scuola");
}

QString Deposito::apri() {
    if (pronto) {
        return {};
    }
    QSqlDatabase d = db();
    const bool sqlite = d.driverName() == sqliteDriver;
    const bool suFile = sqlite && luogo != QLatin1String(":memory:");
    if (suFile) {
        creaFilePrivato(luogo);
    }
    if (!d.isOpen() && !d.open()) {
        return fallito(d.lastError().text());
    }
    if (sqlite) {
        QSqlQuery impostazioni(d);
        // The write-ahead journal is safe against a killed program without waiting for the disk
        // at every operation.
        // What is deleted is overwritten, not left in free pages for anyone who reads the file.
        for (const char* pragma : {"PRAGMA foreign_keys = ON", "PRAGMA synchronous = NORMAL",
                                   "PRAGMA secure_delete = ON"}) {
            if (!impostazioni.exec(QString::fromLatin1(pragma))) {
                return fallito(impostazioni.lastError().text());
            }
        }
    }
    const schema::Esito esito = schema::prepara(d, suFile);
    if (!esito.errore.isEmpty()) {
        rifiutato = esito.definitivo;
        return fallito(esito.errore);
    }
    pronto = true;
    return {};
}

QString Deposito::fallito(const QString& errore, bool annulla) {
    QSqlDatabase d = db();
    if (annulla) {
        d.rollback();
    }
    d.close();
    pronto = false;
    return errore.isEmpty() ? QStringLiteral("errore sconosciuto") : errore;
}

QString Deposito::inTransazione(const std::function<QString(QSqlDatabase&)>& lavoro) {
    if (QString e = apri(); !e.isEmpty()) {
        return e;
    }
    QSqlDatabase d = db();
    if (QString e = schema::iniziaScrittura(d); !e.isEmpty()) {
        return fallito(e);
    }
    // The work's statements are gone by the time a failure closes the connection.
    if (QString e = lavoro(d); !e.isEmpty()) {
        return fallito(e, true);
    }
    return d.commit() ? QString() : fallito(d.lastError().text(), true);
}

QString Deposito::scrivi(const QList<DaScrivere>& lista, bool daInviare) {
    return inTransazione([&](QSqlDatabase& d) -> QString {
        QSqlQuery serie(d), operazione(d), risposta(d), esiste(d);
        // A pupil the teacher removed meanwhile is forgotten with what still waited to be sent.
        esiste.prepare(QStringLiteral("SELECT 1 FROM alunni WHERE id = ?"));
        serie.prepare(QStringLiteral(
            "INSERT INTO serie (id, alunno, nome_alunno, programma, operazione, obiettivo, "
            "tipo_min,"
            " tipo_max, livello, descrizione_livello, numero_min, numero_max, inizio, fine,"
            " operazioni, esatte, errate, tempo_totale, valutazione, da_inviare)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
            " ON CONFLICT (id) DO UPDATE SET nome_alunno = excluded.nome_alunno,"
            " fine = excluded.fine, operazioni = excluded.operazioni, esatte = excluded.esatte,"
            " errate = excluded.errate, tempo_totale = excluded.tempo_totale,"
            " valutazione = excluded.valutazione, da_inviare = excluded.da_inviare"
            // Sent again after something newer arrived, an older copy changes nothing.
            " WHERE excluded.fine >= serie.fine"));
        operazione.prepare(
            QStringLiteral("INSERT INTO operazioni (serie, numero, riga, termine_a, termine_b, "
                           "termine_c, risultato,"
                           " segno, mancante, aiuti_rifiutati, aiuto_accettato, intervento, tempo)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                           " ON CONFLICT (serie, numero) DO UPDATE SET riga = excluded.riga,"
                           " aiuti_rifiutati = excluded.aiuti_rifiutati, aiuto_accettato = "
                           "excluded.aiuto_accettato,"
                           " intervento = excluded.intervento, tempo = excluded.tempo"
                           " WHERE excluded.aiuti_rifiutati >= operazioni.aiuti_rifiutati"
                           " AND excluded.aiuto_accettato >= operazioni.aiuto_accettato"
                           " AND excluded.intervento >= operazioni.intervento"));
        risposta.prepare(QStringLiteral(
            "INSERT INTO risposte (serie, numero, ordine, risposta, esatta)"
            " VALUES (?, ?, ?, ?, ?) ON CONFLICT (serie, numero, ordine) DO NOTHING"));
        for (const DaScrivere& voce : lista) {
            const SerieRegistrata& s = voce.serie;
            if (!s.alunno.isEmpty()) {
                if (!esegui(esiste, {s.alunno})) {
                    return esiste.lastError().text();
                }
                if (!esiste.next()) {
                    continue;
                }
            }
            if (!esegui(serie, {s.id,
                                testoONullo(s.alunno),
                                s.nomeAlunno,
                                s.programma,
                                s.operazione,
                                s.obiettivo,
                                s.tipoMin,
                                s.tipoMax,
                                s.livello,
                                s.descrizioneLivello,
                                s.numeroMin,
                                s.numeroMax,
                                momento(s.inizio),
                                momento(s.fine),
                                s.operazioni,
                                s.esatte,
                                s.errate,
                                s.tempoTotale,
                                s.valutazione,
                                daInviare ? 1 : 0})) {
                return serie.lastError().text();
            }
            for (int numero : voce.operazioni) {
                const auto trovata = s.operazioniGiudicate.constFind(numero);
                if (trovata == s.operazioniGiudicate.cend()) {
                    continue;
                }
                const OperazioneRegistrata& o = *trovata;
                if (!esegui(operazione,
                            {s.id, o.numero, o.riga, o.termineA, o.termineB, o.termineC,
                             o.risultato, o.segno, o.mancante, o.aiutiRifiutati,
                             o.aiutoAccettato ? 1 : 0, o.intervento ? 1 : 0, o.tempo})) {
                    return operazione.lastError().text();
                }
                for (int i = 0; i < o.risposte.size(); ++i) {
                    if (!esegui(risposta, {s.id, o.numero, i + 1, o.risposte[i].testo,
                                           o.risposte[i].esatta ? 1 : 0})) {
                        return risposta.lastError().text();
                    }
                }
            }
        }
        return {};
    });
}

namespace {

// The series that `filtro` picks (a condition on the table serie, named s, with its values),
// each with its operations and answers, or without: three queries, whatever their number.
QList<SerieRegistrata> leggiSerie(QSqlDatabase d, const QString& filtro, const QVariantList& valori,
                                  bool intere, QString& errore) {
    QSqlQuery serie(d), operazioni(d), risposte(d);
    serie.setForwardOnly(true);
    operazioni.setForwardOnly(true);
    risposte.setForwardOnly(true);
    serie.prepare(
        QStringLiteral(
            "SELECT s.id, s.alunno, s.nome_alunno, s.programma, s.operazione, s.obiettivo,"
            " s.tipo_min, s.tipo_max, s.livello, s.descrizione_livello, s.numero_min, s.numero_max,"
            " s.inizio, s.fine, s.operazioni, s.esatte, s.errate, s.tempo_totale, s.valutazione,"
            " (SELECT count(*) FROM operazioni a WHERE a.serie = s.id AND a.aiuto_accettato = 1)"
            " FROM serie s WHERE %1 ORDER BY s.inizio, s.id")
            .arg(filtro));
    operazioni.prepare(
        QStringLiteral(
            "SELECT o.serie, o.numero, o.riga, o.termine_a, o.termine_b, o.termine_c, o.risultato,"
            " o.segno, o.mancante, o.aiuti_rifiutati, o.aiuto_accettato, o.intervento, o.tempo"
            " FROM operazioni o JOIN serie s ON s.id = o.serie WHERE %1")
            .arg(filtro));
    risposte.prepare(
        QStringLiteral("SELECT r.serie, r.numero, r.risposta, r.esatta FROM risposte r"
                       " JOIN serie s ON s.id = r.serie WHERE %1 ORDER BY r.serie, r.numero,"
                       " r.ordine")
            .arg(filtro));
    QList<SerieRegistrata> lette;
    QHash<QString, qsizetype> posizione;
    if (!esegui(serie, valori)) {
        errore = serie.lastError().text();
        return {};
    }
    while (serie.next()) {
        SerieRegistrata s;
        int c = 0;
        auto testo = [&] { return serie.value(c++).toString(); };
        auto numero = [&] { return static_cast<qint16>(serie.value(c++).toInt()); };
        s.id = testo();
        s.alunno = testo();
        s.nomeAlunno = testo();
        s.programma = testo();
        s.operazione = numero();
        s.obiettivo = testo();
        s.tipoMin = numero();
        s.tipoMax = numero();
        s.livello = numero();
        s.descrizioneLivello = testo();
        s.numeroMin = numero();
        s.numeroMax = numero();
        s.inizio = QDateTime::fromString(testo(), Qt::ISODate);
        s.fine = QDateTime::fromString(testo(), Qt::ISODate);
        s.operazioni = serie.value(c++).toInt();
        s.esatte = serie.value(c++).toInt();
        s.errate = serie.value(c++).toInt();
        s.tempoTotale = serie.value(c++).toInt();
        s.valutazione = testo();
        s.aiutiAccettati = serie.value(c++).toInt();
        posizione.insert(s.id, lette.size());
        lette.append(s);
    }
    if (!intere) {
        return lette;
    }
    if (!esegui(operazioni, valori)) {
        errore = operazioni.lastError().text();
        return {};
    }
    while (operazioni.next()) {
        int c = 1;
        auto numero = [&] { return static_cast<qint16>(operazioni.value(c++).toInt()); };
        OperazioneRegistrata o;
        o.numero = numero();
        o.riga = operazioni.value(c++).toString();
        o.termineA = numero();
        o.termineB = numero();
        o.termineC = numero();
        o.risultato = numero();
        o.segno = operazioni.value(c++).toString();
        o.mancante = numero();
        o.aiutiRifiutati = numero();
        o.aiutoAccettato = numero() != 0;
        o.intervento = numero() != 0;
        o.tempo = operazioni.value(c++).toInt();
        lette[posizione.value(operazioni.value(0).toString())].operazioniGiudicate.insert(o.numero,
                                                                                          o);
    }
    if (!esegui(risposte, valori)) {
        errore = risposte.lastError().text();
        return {};
    }
    while (risposte.next()) {
        auto& operazioniDellaSerie =
            lette[posizione.value(risposte.value(0).toString())].operazioniGiudicate;
        operazioniDellaSerie[risposte.value(1).toInt()].risposte.append(
            {risposte.value(2).toString(), risposte.value(3).toInt() != 0});
    }
    return lette;
}

} // namespace

QList<SerieRegistrata> Deposito::leggi(const QString& filtro, const QVariantList& valori,
                                       QString& errore, Lettura lettura) {
    if (errore = apri(); !errore.isEmpty()) {
        return {};
    }
    QList<SerieRegistrata> serie =
        leggiSerie(db(), filtro, valori, lettura == Lettura::intere, errore);
    if (!errore.isEmpty()) {
        errore = fallito(errore);
    }
    return serie;
}

QList<SerieRegistrata> Deposito::serieDaInviare(QString& errore) {
    return leggi(QStringLiteral("s.da_inviare = ?"), {1}, errore);
}

QString Deposito::segnaInviate(const QStringList& id) {
    return inTransazione([&](QSqlDatabase& d) -> QString {
        QSqlQuery segna(d);
        segna.prepare(QStringLiteral("UPDATE serie SET da_inviare = 0 WHERE id = ?"));
        for (const QString& uno : id) {
            if (!esegui(segna, {uno})) {
                return segna.lastError().text();
            }
        }
        return {};
    });
}

namespace {
// A period's bounds as a statement's values: open bounds become the widest ones, so the statement
// is the same for every call.
QVariantList periodo(const QDateTime& dal, const QDateTime& al) {
    return {dal.isValid() ? momento(dal) : QStringLiteral("0"),
            al.isValid() ? momento(al) : QStringLiteral("9")};
}
} // namespace

QList<SerieRegistrata> Deposito::seriePerAlunno(const QString& alunno, QString& errore,
                                                const QDateTime& dal, const QDateTime& al,
                                                Lettura lettura) {
    return leggi(QStringLiteral("s.alunno = ? AND s.inizio >= ? AND s.inizio < ?"),
                 QVariantList{alunno} + periodo(dal, al), errore, lettura);
}

QList<ClasseRegistro> Deposito::classi(QString& errore) {
    if (errore = apri(); !errore.isEmpty()) {
        return {};
    }
    QSqlQuery query(db());
    if (!query.exec(QStringLiteral(
            "SELECT c.id, c.nome, a.id, a.nome FROM classi c LEFT JOIN alunni a ON a.classe = c.id"
            " ORDER BY c.nome, c.id, a.nome"))) {
        errore = fallito(query.lastError().text());
        return {};
    }
    QList<ClasseRegistro> classi;
    while (query.next()) {
        if (classi.isEmpty() || classi.last().id != query.value(0).toString()) {
            classi.append({query.value(0).toString(), query.value(1).toString(), {}});
        }
        if (!query.isNull(2)) {
            classi.last().alunni.append({query.value(2).toString(), query.value(3).toString()});
        }
    }
    return classi;
}

QString Deposito::aggiungiClasse(const ClasseRegistro& classe) {
    return inTransazione([&](QSqlDatabase& d) -> QString {
        QSqlQuery query(d), alunno(d);
        query.prepare(QStringLiteral("INSERT INTO classi (id, nome) VALUES (?, ?)"
                                     " ON CONFLICT (id) DO UPDATE SET nome = excluded.nome"));
        alunno.prepare(QStringLiteral("INSERT INTO alunni (id, classe, nome) VALUES (?, ?, ?)"
                                      " ON CONFLICT (id) DO UPDATE SET nome = excluded.nome"));
        if (!esegui(query, {classe.id, classe.nome})) {
            return query.lastError().text();
        }
        for (const AlunnoRegistro& uno : classe.alunni) {
            if (!esegui(alunno, {uno.id, classe.id, uno.nome})) {
                return alunno.lastError().text();
            }
        }
        return {};
    });
}

QList<SerieRegistrata> Deposito::serieDellaClasse(const QString& classe, const QDateTime& dal,
                                                  const QDateTime& al, QString& errore,
                                                  Lettura lettura) {
    return leggi(QStringLiteral("s.alunno IN (SELECT id FROM alunni WHERE classe = ?)"
                                " AND s.inizio >= ? AND s.inizio < ?"),
                 QVariantList{classe} + periodo(dal, al), errore, lettura);
}

namespace {

// One statement with its values, inside a transaction begun.
QString modifica(QSqlDatabase& d, const QString& testo, const QVariantList& valori) {
    QSqlQuery query(d);
    query.prepare(testo);
    return esegui(query, valori) ? QString() : query.lastError().text();
}

} // namespace

QString Deposito::rinominaClasse(const QString& classe, const QString& nome) {
    return inTransazione([&](QSqlDatabase& d) {
        return modifica(d, QStringLiteral("UPDATE classi SET nome = ? WHERE id = ?"),
                        {nome, classe});
    });
}

QString Deposito::rinominaAlunno(const QString& alunno, const QString& nome) {
    return inTransazione([&](QSqlDatabase& d) {
        return modifica(d, QStringLiteral("UPDATE alunni SET nome = ? WHERE id = ?"),
                        {nome, alunno});
    });
}

QString Deposito::rimuoviAlunno(const QString& alunno) {
    const QString e = inTransazione([&](QSqlDatabase& d) {
        return modifica(d, QStringLiteral("DELETE FROM alunni WHERE id = ?"), {alunno});
    });
    return e.isEmpty() ? cancellaDavvero() : e;
}

QString Deposito::rimuoviClasse(const QString& classe) {
    const QString e = inTransazione([&](QSqlDatabase& d) {
        return modifica(d, QStringLiteral("DELETE FROM classi WHERE id = ?"), {classe});
    });
    return e.isEmpty() ? cancellaDavvero() : e;
}

int Deposito::contaSeriePrima(const QDateTime& prima, QString& errore) {
    if (errore = apri(); !errore.isEmpty()) {
        return 0;
    }
    QSqlQuery query(db());
    query.prepare(QStringLiteral("SELECT count(*) FROM serie WHERE inizio < ?"));
    if (!esegui(query, {momento(prima)}) || !query.next()) {
        errore = fallito(query.lastError().text());
        return 0;
    }
    return query.value(0).toInt();
}

QString Deposito::rimuoviSeriePrima(const QDateTime& prima) {
    const QString e = inTransazione([&](QSqlDatabase& d) {
        return modifica(d, QStringLiteral("DELETE FROM serie WHERE inizio < ?"), {momento(prima)});
    });
    return e.isEmpty() ? cancellaDavvero() : e;
}

QString Deposito::cancellaDavvero() {
    QSqlQuery query(db());
    if (driver == sqliteDriver) {
        // secure_delete has zeroed the rows in the pages; VACUUM rewrites the file without its
        // free pages, and the checkpoint empties the journal that still held the old pages.
        for (const char* passo : {"VACUUM", "PRAGMA wal_checkpoint(TRUNCATE)"}) {
            if (!query.exec(QString::fromLatin1(passo))) {
                return fallito(query.lastError().text());
            }
        }
        return {};
    }
    // On the server the tables are rewritten; a teacher who does not own them is told.
    if (!query.exec(QStringLiteral("VACUUM FULL risposte, operazioni, serie, alunni, classi"))) {
        return fallito(query.lastError().text());
    }
    return {};
}

QString Deposito::impostazione(const QString& chiave, QString& errore) {
    if (errore = apri(); !errore.isEmpty()) {
        return {};
    }
    QSqlQuery query(db());
    query.prepare(QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = ?"));
    if (!esegui(query, {chiave})) {
        errore = fallito(query.lastError().text());
        return {};
    }
    return query.next() ? query.value(0).toString() : QString();
}

QString Deposito::scriviImpostazione(const QString& chiave, const QString& valore) {
    return inTransazione([&](QSqlDatabase& d) {
        return modifica(
            d,
            QStringLiteral("INSERT INTO impostazioni (chiave, valore) VALUES (?, ?)"
                           " ON CONFLICT (chiave) DO UPDATE SET valore = excluded.valore"),
            {chiave, valore});
    });
}
