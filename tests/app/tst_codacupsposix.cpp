// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/cupsprivatoposix.h"
#include "comune/file.h"
#include "comune/finti.h"
#include "comune/registro.h"

#include <QDir>
#include <QTest>

class TestCodaCups : public QObject {
    Q_OBJECT
private slots:
    void codaVera();
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
