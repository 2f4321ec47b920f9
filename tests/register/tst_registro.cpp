// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/file.h"
#include "comune/finti.h"
#include "comune/registro.h"
#include "register/registro.h"
#include "state/statocondiviso.h"

#ifndef Q_OS_WIN
#include "comune/guastiposix.h"
#include "comune/postgresprivato.h"
#endif

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <functional>
#include <memory>

// Every case runs on the SQLite file and on a real PostgreSQL server started here, through the
// same code.
class TestRegistro : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void serieRegistrata_data();
    void serieRegistrata();
    void registroIntoccabile_data();
    void registroIntoccabile();
    void processi_data();
    void processi();
    void serverAssenteARiprese();
    void luogoDelRegistro_data();
    void luogoDelRegistro();

private:
    // The register of the row: a file in a fresh folder, or the server emptied.
    LuogoRegistro luogo(const QString& motore);
    // A connection of the test's own, as another reader would open the register.
    QSqlDatabase lettore(const QString& motore);
    int conta(const QString& motore, const QString& sql);
    void giudica(Registro& registro, StatoCondiviso& stato, int numero, bool esatta);

    std::unique_ptr<QTemporaryDir> cartella;
#ifndef Q_OS_WIN
    std::unique_ptr<PostgresPrivato> server;
#endif
};

void TestRegistro::initTestCase() {
#ifndef Q_OS_WIN
    server = std::make_unique<PostgresPrivato>();
#endif
}

void TestRegistro::init() {
    cartella = std::make_unique<QTemporaryDir>();
}

LuogoRegistro TestRegistro::luogo(const QString& motore) {
    const QString file = cartella->filePath(nomeFileRegistro);
    if (motore == QLatin1String("sqlite")) {
        return {file, {}};
    }
#ifndef Q_OS_WIN
    if (!server->problema().isEmpty()) {
        return {};
    }
    QSqlQuery(lettore(motore))
        .exec(QStringLiteral("SET client_min_messages = warning; DROP SCHEMA public CASCADE;"
                             " CREATE SCHEMA public"));
    return {file, server->connessione()};
#else
    return {};
#endif
}

QSqlDatabase TestRegistro::lettore(const QString& motore) {
    const QString nome = QStringLiteral("lettore-") + motore;
    if (!QSqlDatabase::contains(nome)) {
        QSqlDatabase::addDatabase(motore == QLatin1String("sqlite") ? QStringLiteral("QSQLITE")
                                                                    : QStringLiteral("QPSQL"),
                                  nome);
    }
    QSqlDatabase d = QSqlDatabase::database(nome, false);
    d.close();
    if (motore == QLatin1String("sqlite")) {
        d.setDatabaseName(cartella->filePath(nomeFileRegistro));
    }
#ifndef Q_OS_WIN
    else {
        d.setConnectOptions(server->connessione());
    }
#endif
    d.open();
    return d;
}

int TestRegistro::conta(const QString& motore, const QString& sql) {
    QSqlQuery query(lettore(motore));
    return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
}

void TestRegistro::giudica(Registro& registro, StatoCondiviso& stato, int numero, bool esatta) {
    stato.ContaOperazioni = qint16(numero);
    stato.TermineA = qint16(10 + numero);
    stato.TermineB = 3;
    stato.Risultato = qint16(7 + numero);
    stato.PosizioneMancante = 4;
    stato.RigheStampa[size_t(numero)] = QStringLiteral("%1 - 3 = ?").arg(10 + numero);
    stato.Risposta = esatta ? QString::number(7 + numero) : QStringLiteral("1");
    (esatta ? stato.RisposteEsatte : stato.RisposteErrate)++;
    stato.TotaleEsatte = stato.RisposteEsatte;
    registro.rispostaGiudicata(stato, QStringLiteral("-"), esatta);
}

#define SALTA_SENZA(luogo)                                                                         \
    if ((luogo).fileLocale.isEmpty())                                                              \
        QSKIP("PostgreSQL non si avvia su questa macchina");

namespace {
QStringList motori() {
#ifdef Q_OS_WIN
    return {QStringLiteral("sqlite")};
#else
    return {QStringLiteral("sqlite"), QStringLiteral("postgres")};
#endif
}
} // namespace

void TestRegistro::serieRegistrata_data() {
    QTest::addColumn<QString>("motore");
    QTest::addColumn<QString>("nome");
    const QStringList nomi{QStringLiteral("D'Amico"), QStringLiteral("Bellè"),
                           QStringLiteral("Zoë 🦊"), QString(10000, QLatin1Char('a')),
                           QStringLiteral("x'); DROP TABLE serie; --")};
    for (const QString& motore : motori()) {
        for (const QString& nome : nomi) {
            QTest::addRow("%s, %s", qPrintable(motore), qPrintable(nome.left(12)))
                << motore << nome;
        }
    }
}

// What a series leaves: its pupil, choices, counts and grade, and each operation with every
// answer, the help refused or taken and the intervention.
void TestRegistro::serieRegistrata() {
    QFETCH(QString, motore);
    QFETCH(QString, nome);
    const LuogoRegistro dove = luogo(motore);
    SALTA_SENZA(dove);
    MessaggiFinti messaggi;
    Registro registro(dove, messaggi, std::chrono::milliseconds(0));
    QCOMPARE(registro.aggiungiClasse(QStringLiteral("4B"), {nome, QStringLiteral("Luca")}),
             QString());
    const QList<ClasseRegistro> classi = registro.classi();
    QCOMPARE(classi.size(), 1);
    const auto alunno = std::find_if(classi[0].alunni.cbegin(), classi[0].alunni.cend(),
                                     [&](const AlunnoRegistro& a) { return a.nome == nome; });
    QVERIFY(alunno != classi[0].alunni.cend());
    registro.scegliAlunno(*alunno);

    StatoCondiviso stato;
    stato.NomeProgramma = QStringLiteral("sottrazioni");
    stato.Operazione = 2;
    stato.LivelloSerie = 3;
    stato.DescrizioneLivelloSerie = QStringLiteral("Numeri da 60 a 99");
    registro.iniziaSerie(stato);
    giudica(registro, stato, 1, true);
    giudica(registro, stato, 2, false);
    registro.aiuto(stato, Registro::Aiuto::rifiutato);
    giudica(registro, stato, 2, false);
    registro.aiuto(stato, Registro::Aiuto::intervento);
    giudica(registro, stato, 3, false);
    registro.aiuto(stato, Registro::Aiuto::accettato);

    QString errore;
    const QList<SerieRegistrata> lette =
        Deposito::sqlite(dove.fileLocale).seriePerAlunno(alunno->id, errore);
    const QList<SerieRegistrata> dalServer =
        dove.condiviso.isEmpty()
            ? lette
            : Deposito::postgres(dove.condiviso).seriePerAlunno(alunno->id, errore);
    QCOMPARE(errore, QString());
    QCOMPARE(dalServer.size(), 1);
    const SerieRegistrata& s = dalServer[0];
    QCOMPARE(s.nomeAlunno, nome);
    QCOMPARE(s.programma, QStringLiteral("sottrazioni"));
    QCOMPARE(s.descrizioneLivello, QStringLiteral("Numeri da 60 a 99"));
    QCOMPARE(s.operazioni, 3);
    QCOMPARE(s.esatte, 1);
    QCOMPARE(s.errate, 3);
    QCOMPARE(s.valutazione, QStringLiteral("Non classificato"));
    QCOMPARE(s.operazioniGiudicate.keys(), (QList<int>{1, 2, 3}));
    const OperazioneRegistrata& seconda = s.operazioniGiudicate[2];
    QCOMPARE(seconda.riga, QStringLiteral("12 - 3 = ?"));
    QCOMPARE(seconda.risposte.size(), 2);
    QVERIFY(!seconda.risposte[1].esatta);
    QCOMPARE(seconda.aiutiRifiutati, 2);
    QVERIFY(seconda.intervento && !seconda.aiutoAccettato);
    QVERIFY(s.operazioniGiudicate[3].aiutoAccettato);
    QCOMPARE(s.operazioniGiudicate[1].risposte[0].testo, QStringLiteral("8"));
    QVERIFY(messaggi.avvisati.isEmpty());
#ifndef Q_OS_WIN
    // Windows keeps others out of the user's own folder; here the file's mode has to.
    if (dove.condiviso.isEmpty()) {
        QCOMPARE(QFile::permissions(dove.fileLocale) & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner);
    }
#endif
}

void TestRegistro::registroIntoccabile_data() {
    QTest::addColumn<QString>("motore");
    // Makes the fault; what it returns takes it away again, or is empty where nothing can.
    QTest::addColumn<std::function<std::function<void()>(TestRegistro*)>>("guasto");
    using Guasto = std::function<std::function<void()>(TestRegistro*)>;
    const auto sql = [](const QString& motore, const QString& istruzioni) {
        return Guasto([=](TestRegistro* t) {
            QSqlDatabase d = t->lettore(motore);
            for (const QString& i : istruzioni.split(QLatin1Char(';'))) {
                QSqlQuery(d).exec(i);
            }
            // The last connection to close writes the journal into the file: the bytes compared
            // below are those of the fault, not of the test's own reader.
            d.close();
            return std::function<void()>();
        });
    };
    for (const QString& motore : motori()) {
        QTest::addRow("%s, di una versione più nuova", qPrintable(motore))
            << motore << sql(motore, QStringLiteral("UPDATE veltrix_versione SET numero = 99"));
        QTest::addRow("%s, di un altro programma", qPrintable(motore))
            << motore
            << sql(motore,
                   QStringLiteral("DROP TABLE veltrix_versione;CREATE TABLE ricette (x TEXT)"));
    }
    QTest::addRow("file corrotto") << QStringLiteral("sqlite") << Guasto([](TestRegistro* t) {
        QFile file(t->cartella->filePath(nomeFileRegistro));
        file.open(QIODevice::ReadWrite);
        file.write(QByteArray(100, '\x7f'));
        return std::function<void()>();
    });
    QTest::addRow("bloccato da un altro")
        << QStringLiteral("sqlite") << Guasto([](TestRegistro* t) {
               QSqlDatabase d =
                   QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blocco"));
               d.setDatabaseName(t->cartella->filePath(nomeFileRegistro));
               d.open();
               auto blocco = std::make_shared<QSqlQuery>(d);
               blocco->exec(QStringLiteral("BEGIN EXCLUSIVE"));
               blocco->exec(QStringLiteral("DELETE FROM risposte"));
               return std::function<void()>([blocco] { blocco->exec(QStringLiteral("ROLLBACK")); });
           });
#ifndef Q_OS_WIN
    QTest::addRow("cartella di sola lettura")
        << QStringLiteral("sqlite") << Guasto([](TestRegistro* t) {
               QFile::setPermissions(t->cartella->path(), QFile::ReadOwner | QFile::ExeOwner |
                                                              QFile::ReadOther | QFile::ExeOther);
               auto utente = std::make_shared<UtenteComune>();
               return std::function<void()>([t, utente]() mutable {
                   utente.reset();
                   QFile::setPermissions(t->cartella->path(),
                                         QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
               });
           });
    QTest::addRow("disco pieno") << QStringLiteral("sqlite") << Guasto([](TestRegistro*) {
        auto pieno = std::make_shared<DiscoPieno>(0);
        return std::function<void()>([pieno]() mutable { pieno.reset(); });
    });
#endif
}

// A register that cannot be written never stops the drill: one notice, the file as it was, and
// the series kept until it can be written.
void TestRegistro::registroIntoccabile() {
    QFETCH(QString, motore);
    QFETCH(std::function<std::function<void()>(TestRegistro*)>, guasto);
    const LuogoRegistro dove = luogo(motore);
    SALTA_SENZA(dove);
    StatoCondiviso stato;
    {
        MessaggiFinti primi;
        Registro prima(dove, primi, std::chrono::milliseconds(0));
        prima.iniziaSerie(stato);
        giudica(prima, stato, 1, true);
        QCOMPARE(primi.avvisati, QStringList());
    }
    const auto disco = [&] {
        QFile file(dove.fileLocale);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const std::function<void()> ripara = guasto(this);
    const QByteArray file = disco();
    const int tabelle = lettore(motore).tables().size();
    MessaggiFinti messaggi;
    std::optional<Registro> registro(std::in_place, dove, messaggi, std::chrono::milliseconds(0));
    registro->iniziaSerie(stato);
    for (int n = 1; n <= 3; ++n) {
        giudica(*registro, stato, n, n != 2);
    }
    QCOMPARE(messaggi.avvisati.size(), 1);
    // With the school's server refusing, the series waits in the file on this PC.
    QCOMPARE(registro->inAttesa(), dove.condiviso.isEmpty() ? 1 : 0);
    if (ripara) {
        ripara();
        giudica(*registro, stato, 4, true);
        QCOMPARE(registro->inAttesa(), 0);
        QCOMPARE(conta(motore, QStringLiteral("SELECT count(*) FROM operazioni")), 5);
    } else {
        QCOMPARE(disco(), file);
        QCOMPARE(lettore(motore).tables().size(), tabelle);
    }
    QCOMPARE(messaggi.avvisati.size(), 1);
}

void TestRegistro::processi_data() {
    QTest::addColumn<QString>("motore");
    QTest::addColumn<bool>("ucciso");
    for (const QString& motore : motori()) {
        QTest::addRow("%s, ucciso a metà serie", qPrintable(motore)) << motore << true;
        QTest::addRow("%s, due programmi insieme", qPrintable(motore)) << motore << false;
    }
}

// Real processes: one killed while it writes keeps every operation it had written and no half
// series; two writing at once both keep all of theirs.
void TestRegistro::processi() {
    QFETCH(QString, motore);
    QFETCH(bool, ucciso);
    const LuogoRegistro dove = luogo(motore);
    SALTA_SENZA(dove);
    const QStringList argomenti{dove.fileLocale,
                                dove.condiviso.isEmpty() ? QStringLiteral("-") : dove.condiviso,
                                QString::number(ucciso ? 1000000 : 60), QStringLiteral("Anna")};
    QProcess primo, secondo;
    primo.start(QStringLiteral(SCRITTORE_REGISTRO), argomenti);
    if (ucciso) {
        QByteArray uscita;
        while (uscita.count('\n') < 45 && primo.waitForReadyRead(20000)) {
            uscita += primo.readAllStandardOutput();
        }
        primo.kill();
        QVERIFY(primo.waitForFinished(10000));
        uscita += primo.readAllStandardOutput();
        const int scritte = uscita.trimmed().split('\n').last().toInt();
        QVERIFY2(scritte >= 45, uscita.right(200).constData());
        const int tenute = conta(motore, QStringLiteral("SELECT count(*) FROM operazioni"));
        QVERIFY2(tenute == scritte || tenute == scritte + 1,
                 qPrintable(QStringLiteral("%1 scritte, %2 tenute").arg(scritte).arg(tenute)));
        if (motore == QLatin1String("sqlite")) {
            QSqlQuery integrita(lettore(motore));
            QVERIFY(integrita.exec(QStringLiteral("PRAGMA integrity_check")) && integrita.next());
            QCOMPARE(integrita.value(0).toString(), QStringLiteral("ok"));
        }
    } else {
        secondo.start(QStringLiteral(SCRITTORE_REGISTRO), argomenti);
        for (QProcess* p : {&primo, &secondo}) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        QCOMPARE(conta(motore, QStringLiteral("SELECT count(*) FROM operazioni")), 120);
        QCOMPARE(conta(motore, QStringLiteral("SELECT count(*) FROM serie")), 6);
    }
    // Each series counts exactly the operations it holds: none is half written.
    QCOMPARE(
        conta(motore, QStringLiteral("SELECT count(*) FROM serie s WHERE s.operazioni <>"
                                     " (SELECT count(*) FROM operazioni o WHERE o.serie = s.id)")),
        0);
}

// The school's server stopped in the middle of a series and started again: what was judged
// meanwhile waits on this PC, then arrives once, even when it is sent twice.
void TestRegistro::serverAssenteARiprese() {
    const LuogoRegistro dove = luogo(QStringLiteral("postgres"));
    SALTA_SENZA(dove);
#ifndef Q_OS_WIN
    MessaggiFinti messaggi;
    Registro registro(dove, messaggi, std::chrono::milliseconds(0));
    StatoCondiviso stato;
    registro.iniziaSerie(stato);
    giudica(registro, stato, 1, true);
    QVERIFY(server->ferma());
    giudica(registro, stato, 2, true);
    giudica(registro, stato, 3, false);
    QCOMPARE(registro.inAttesa(), 0);
    QVERIFY(server->avvia());
    giudica(registro, stato, 4, true);
    const QString operazioni = QStringLiteral("SELECT count(*) FROM operazioni");
    QCOMPARE(conta(QStringLiteral("postgres"), operazioni), 4);
    // Sent again, as after a program killed between sending and taking the mark away.
    QSqlDatabase locale =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("posta"));
    locale.setDatabaseName(dove.fileLocale);
    QVERIFY(locale.open());
    QVERIFY(QSqlQuery(locale).exec(QStringLiteral("UPDATE serie SET da_inviare = 1")));
    Registro riavviato(dove, messaggi, std::chrono::milliseconds(0));
    riavviato.iniziaSerie(stato);
    giudica(riavviato, stato, 1, true);
    QCOMPARE(conta(QStringLiteral("postgres"), QStringLiteral("SELECT count(*) FROM serie")), 2);
    QCOMPARE(conta(QStringLiteral("postgres"), operazioni), 5);
    QCOMPARE(messaggi.avvisati, QStringList());
    locale.close();
    // A pupil the teacher removed on the server leaves this PC's copy of the class too.
    QCOMPARE(riavviato.aggiungiClasse(QStringLiteral("4B"), {"Anna Zeta", "Bruno"}), QString());
    QString errore;
    const auto byteLocali = [&] {
        return contenuto(dove.fileLocale) + contenuto(dove.fileLocale + QStringLiteral("-wal"));
    };
    QCOMPARE(riavviato.classi().value(0).alunni.size(), 2);
    QVERIFY(byteLocali().contains("Anna Zeta"));
    QCOMPARE(riavviato.principale().rimuoviAlunno(
                 riavviato.principale().classi(errore).value(0).alunni.value(0).id),
             QString());
    QCOMPARE(riavviato.classi().value(0).alunni.size(), 1);
    QVERIFY(!byteLocali().contains("Anna Zeta"));
#endif
}

void TestRegistro::luogoDelRegistro_data() {
    QTest::addColumn<QString>("variabile");
    QTest::addColumn<QString>("servizio");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("condiviso");
    const QString file = nomeFileRegistro;
    QTest::newRow("niente") << ""
                            << "" << file << "";
    QTest::newRow("una cartella") << "/srv/aula"
                                  << "scuola"
                                  << "/srv/aula/" + file << "";
    QTest::newRow("il servizio del laboratorio") << ""
                                                 << "scuola" << file << "service='scuola'";
    QTest::newRow("parametri") << "service=lab"
                               << "scuola" << file << "service=lab";
    // A socket folder in the host, percent-encoded as libpq reads it; quotes kept inside values.
    QTest::newRow("indirizzo")
        << "postgresql://aula1@%2Fvar%2Frun:5433/reg?sslmode=disable&application_name=l'aula"
        << "" << file
        << "host='/var/run' port='5433' user='aula1' dbname='reg' sslmode='disable'"
           " application_name='l\\'aula'";
}

// Where the register is kept, as the environment and the lab's settings say.
void TestRegistro::luogoDelRegistro() {
    QFETCH(QString, variabile);
    QFETCH(QString, servizio);
    QFETCH(QString, file);
    QFETCH(QString, condiviso);
    const LuogoRegistro dove = luogoRegistro(variabile, servizio, {});
    QCOMPARE(dove.fileLocale, file);
    QCOMPARE(dove.condiviso, condiviso);
}

VELTRIX_TEST(TestRegistro)
#include "tst_registro.moc"
