// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/file.h"
#include "comune/finti.h"
#include "comune/pdf.h"
#include "comune/registro.h"
#include "printouts/stampascheda.h"
#include "state/statocondiviso.h"

#include <QTest>

namespace {
// The teachers' version of a sheet on screen, and its pupils' lines.
void riempi(StatoCondiviso& s) {
    s.ObiettivoScheda = QStringLiteral("CALCOLO DI UN TERMINE");
    for (int k = 1; k <= 60; ++k) {
        const auto n = static_cast<size_t>(k);
        s.RigheAlunniMostrate[n] = QStringLiteral("  %1 +  .  =  %2").arg(k, 2).arg(k + 40, 3);
        s.RigheSchedaMostrata[n] = s.RigheAlunniMostrate[n] + QStringLiteral("    (40)");
    }
}
} // namespace

class TestStampaScheda : public QObject {
    Q_OBJECT
private slots:
    void pagina_data();
    void pagina();
    void senzaCourierNonStampa();
    void schedaVuota();
    void pdfVero();
};

void TestStampaScheda::pagina_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<double>("punti");
    QTest::addColumn<QString>("documento");
    QTest::newRow("alunni") << 1 << 12.0 << QStringLiteral("scheda-alunni");
    QTest::newRow("docenti") << 2 << 10.0 << QStringLiteral("scheda-docenti");
}

void TestStampaScheda::pagina() {
    QFETCH(int, tipo);
    QFETCH(double, punti);
    QFETCH(QString, documento);
    StatoCondiviso s;
    riempi(s);
    s.TipoStampa = static_cast<qint16>(tipo);
    StampanteFinta stampante;
    MessaggiFinti messaggi;
    StampaScheda(s, stampante, messaggi);
    QCOMPARE(stampante.lavori, 1);
    QCOMPARE(stampante.pagine, 1);
    QCOMPARE(stampante.documenti, QStringList{documento});
    QCOMPARE(s.IndiceRiga, qint16(61));

    const auto& sc = stampante.scritte;
    QCOMPARE(sc.size(), size_t(2 + 60 + 1));
    QCOMPARE(sc[0].testo, QStringLiteral("Cognome e nome: "));
    QCOMPARE(QPointF(sc[0].x, sc[0].y), QPointF(1000, 1000));
    QCOMPARE(sc[0].punti, 14.0);
    QCOMPARE(sc[1].testo, s.ObiettivoScheda);
    QCOMPARE(QPointF(sc[1].x, sc[1].y), QPointF(1000, 1500));
    QCOMPARE(sc[1].punti, 12.0);
    // Paper order: lines 1-30 down the left column, 31-60 down the right one.
    struct Posto {
        int riga;
        double x, y;
    };
    const Posto posti[] = {{1, 1000, 2000},  {10, 1000, 5600}, {11, 1000, 6500}, {30, 1000, 14600},
                           {31, 6000, 2000}, {45, 6000, 8100}, {60, 6000, 14600}};
    for (const Posto& p : posti) {
        const auto& r = sc[static_cast<size_t>(1 + p.riga)];
        const RigheDa1a90& attese = tipo == 1 ? s.RigheAlunniMostrate : s.RigheSchedaMostrata;
        QCOMPARE(r.testo, attese[static_cast<size_t>(p.riga)]);
        QCOMPARE(QPointF(r.x, r.y), QPointF(p.x, p.y));
        QCOMPARE(r.punti, punti);
        QCOMPARE(r.font, QStringLiteral("Courier"));
    }
    QCOMPARE(sc.back().testo, s.ObiettivoScheda);
    QCOMPARE(QPointF(sc.back().x, sc.back().y), QPointF(1000, 15100));
    QCOMPARE(sc.back().punti, 8.0);
}

void TestStampaScheda::senzaCourierNonStampa() {
    StatoCondiviso s;
    riempi(s);
    s.TipoStampa = 1;
    StampanteFinta stampante;
    stampante.nomiFont = {QStringLiteral("Arial"), QStringLiteral("DejaVu Sans Mono")};
    MessaggiFinti messaggi;
    StampaScheda(s, stampante, messaggi);
    QCOMPARE(messaggi.mostrati,
             QStringList{QStringLiteral("Devi installare il font Courier o il font Courier New")});
    QVERIFY(stampante.scritte.empty());
    QCOMPARE(stampante.lavori, 0);
}

// No sheet shown yet: the page has its header and footer and 60 empty lines.
void TestStampaScheda::schedaVuota() {
    StatoCondiviso s;
    s.TipoStampa = 1;
    StampanteFinta stampante;
    MessaggiFinti messaggi;
    StampaScheda(s, stampante, messaggi);
    QCOMPARE(stampante.lavori, 1);
    QCOMPARE(stampante.scritte.size(), size_t(63));
    QCOMPARE(stampante.scritte[30].testo, QString());
}

void TestStampaScheda::pdfVero() {
    CartellaDiLavoro cartella;
    StatoCondiviso s;
    riempi(s);
    s.TipoStampa = 1;
    MessaggiFinti messaggi;
    StampanteQt vera(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    StampaScheda(s, vera, messaggi);
    const QString file = vera.ultimoFile();
    QVERIFY2(file.startsWith(QLatin1String("veltrix-scheda-alunni-")), qPrintable(file));

    SALTA_SENZA_POPPLER();
    const QString testo = pdf::testo(cartella.percorso(file), 7.2);
    // The header is in a larger size than the reading pitch: its blanks come back doubled.
    QVERIFY2(testo.simplified().contains(QStringLiteral("Cognome e nome:")), qPrintable(testo));
    int trovate = 0;
    for (int k = 1; k <= 60; ++k) {
        trovate += testo.contains(s.RigheAlunniMostrate[static_cast<size_t>(k)].trimmed());
    }
    QVERIFY2(trovate == 60, qPrintable(testo));
    QCOMPARE(testo.count(QStringLiteral("\f")), 1); // one page
}

VELTRIX_TEST(TestStampaScheda)
#include "tst_stampascheda.moc"
