// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/cupsprivatoposix.h"
#include "comune/file.h"
#include "comune/finti.h"
#include "comune/registro.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

class TestCodaCups : public QObject {
    Q_OBJECT
private slots:
    void codaVera();
    void statiDelServer_data();
    void statiDelServer();
    void pagineDalDriver();
};

// The same through a real scheduler, one of the test's own: the job reaches the paper, and a
// printer set to refuse jobs ("cupsreject") is said, whether or not a job still printing has
// wiped the reason it was given.
void TestCodaCups::codaVera() {
    CupsPrivato cups;
    if (!cups.problema().isEmpty()) {
        QSKIP(qPrintable(cups.problema()));
    }
    const auto stampa = [](MessaggiFinti& messaggi) {
        StampanteQt stampante(messaggi, QStringLiteral("veltrix"));
        stampante.iniziaDocumento(QStringLiteral("elenco"));
        stampante.stampa(QStringLiteral("riga stampata"));
        return stampante.fineDocumento();
    };
    CartellaDiLavoro cartella;
    MessaggiFinti presa;
    QVERIFY(stampa(presa));
    QVERIFY2(presa.mostrati.isEmpty(), qPrintable(presa.mostrati.join(" ")));
    QCOMPARE(presa.avvisati, QStringList{QStringLiteral("Stampa inviata a aula")});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(cups.uscita()).size() > 0, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(cups.lavoriAttivi(), 0, 20000);

    const QStringList rifiuta{QStringLiteral("-r"), QStringLiteral("in manutenzione"),
                              QStringLiteral("aula")};
    // A job that starts printing after the refusal takes its reason away.
    QVERIFY(cups.comando(QStringLiteral("cupsdisable"), {QStringLiteral("aula")}));
    QVERIFY(stampa(presa));
    QVERIFY(cups.comando(QStringLiteral("cupsreject"), rifiuta));
    QVERIFY(cups.comando(QStringLiteral("cupsenable"), {QStringLiteral("aula")}));
    QTRY_COMPARE_WITH_TIMEOUT(cups.lavoriAttivi(), 0, 20000);
    MessaggiFinti senzaMotivo;
    QVERIFY(!stampa(senzaMotivo));
    QCOMPARE(senzaMotivo.mostrati,
             QStringList{QStringLiteral("Stampa non riuscita: la stampante aula non accetta il "
                                        "lavoro.")});

    QVERIFY(cups.comando(QStringLiteral("cupsreject"), rifiuta));
    MessaggiFinti respinta;
    QVERIFY(!stampa(respinta));
    QCOMPARE(respinta.mostrati,
             QStringList{QStringLiteral("Stampa non riuscita: la stampante aula non accetta il "
                                        "lavoro (in manutenzione).")});
    QCOMPARE(QDir::current().entryList(QDir::Files), QStringList());
}

void TestCodaCups::statiDelServer_data() {
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("detto"); // how the one message box begins
    const QString file = QStringLiteral(": il documento è stato salvato nel file ");
    QTest::newRow("coda ferma") << "ferma"
                                << "La stampante aula è ferma (Paused): il documento aspetta";
    QTest::newRow("server spento") << "spento"
                                   << "Il server di stampa non risponde" + file;
    QTest::newRow("server che non risponde") << "muto"
                                             << "Il server di stampa non risponde" + file;
    QTest::newRow("nessuna predefinita, un'altra c'è") << "altra"
                                                       << "Nessuna stampante predefinita" + file;
    QTest::newRow("nessuna stampante") << "nessuna"
                                       << "Nessuna stampante installata" + file;
}

// Whatever state the queue or the server is in, the message says it as it is, within a few
// seconds; a job no printer takes is kept as a file, never lost.
void TestCodaCups::statiDelServer() {
    QFETCH(QString, caso);
    QFETCH(QString, detto);
    CupsPrivato cups;
    if (!cups.problema().isEmpty()) {
        QSKIP(qPrintable(cups.problema()));
    }
    const bool inCoda = caso == QLatin1String("ferma");
    if (inCoda) {
        QVERIFY(cups.comando(QStringLiteral("cupsdisable"), {QStringLiteral("aula")}));
    } else if (caso == QLatin1String("spento") || caso == QLatin1String("muto")) {
        QVERIFY(cups.spegni(caso == QLatin1String("muto")));
    } else {
        QVERIFY(caso == QLatin1String("nessuna") ||
                cups.aggiungiCoda(QStringLiteral("biblioteca"), QStringLiteral("/dev/null")));
        QVERIFY(cups.comando(QStringLiteral("lpadmin"), {"-x", "aula"}));
    }
    CartellaDiLavoro cartella;
    MessaggiFinti messaggi;
    QElapsedTimer tempo;
    tempo.start();
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"));
    stampante.stampa(QStringLiteral("riga stampata"));
    QVERIFY(stampante.fineDocumento());
    QVERIFY(tempo.elapsed() < attesaServerStampa + 1000);
    QCOMPARE(messaggi.mostrati.size(), 1);
    QVERIFY2(messaggi.mostrati[0].startsWith(detto), qPrintable(messaggi.mostrati[0]));
    QCOMPARE(QDir::current().entryList(QDir::Files),
             inCoda ? QStringList() : QStringList{stampante.ultimoFile()});
    QVERIFY(!inCoda || cups.lavoriAttivi() == 1);
}

// The pages drawn through the printer's driver, as on Windows, whose spooler takes no PDF: here
// Qt's own CUPS driver, which must reach the same paper.
void TestCodaCups::pagineDalDriver() {
    CupsPrivato cups;
    if (!cups.problema().isEmpty()) {
        QSKIP(qPrintable(cups.problema()));
    }
    CartellaDiLavoro cartella;
    auto coda = std::make_unique<CodaFinta>();
    coda->pdf = false;
    CodaFinta& finta = *coda;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"),
                          StampanteQt::Destinazione::Automatica, std::move(coda));
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.stampa(QStringLiteral("riga stampata"));
    stampante.nuovaPagina();
    stampante.stampa(QStringLiteral("seconda pagina"));
    QVERIFY(stampante.fineDocumento());
    QVERIFY2(messaggi.mostrati.isEmpty(), qPrintable(messaggi.mostrati.join(" ")));
    QVERIFY(finta.ricevuti.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(cups.uscita()).size() > 0, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(cups.lavoriAttivi(), 0, 20000);
    QCOMPARE(QDir::current().entryList(QDir::Files), QStringList());

    // A queue that takes no job is asked before anything is drawn.
    finta.rifiuto = QStringLiteral("in manutenzione");
    stampante.stampa(QStringLiteral("respinta"));
    QVERIFY(!stampante.fineDocumento());
    QCOMPARE(messaggi.mostrati,
             QStringList{QStringLiteral("Stampa non riuscita: la stampante aula non accetta il "
                                        "lavoro (in manutenzione).")});
}

VELTRIX_TEST(TestCodaCups)
#include "tst_codacupsposix.moc"
