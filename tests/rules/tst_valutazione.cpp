// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "rules/valutazione.h"

#include <QTest>

class TestValutazione : public QObject {
    Q_OBJECT
private slots:
    void voto_data();
    void voto();
    void fasceSenzaBuchiNeSovrapposizioni();
    void quotaInParole_data();
    void quotaInParole();
};

void TestValutazione::voto_data() {
    QTest::addColumn<int>("esatte");
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<int>("p"); // -1: none
    QTest::addColumn<QString>("valutazione");
    QTest::addColumn<bool>("stampabile");

    QTest::newRow("17 su 20") << 17 << 20 << 8 << "DISTINTO" << true;
    QTest::newRow("5 su 10") << 5 << 10 << 5 << "SUFFICIENTE (!)" << true;
    QTest::newRow("4 su 10") << 4 << 10 << 4 << "Non classificato" << false;
    QTest::newRow("9 su 9") << 9 << 9 << 10 << "OTTIMO" << true;
    QTest::newRow("10 su 11, l'undicesima in corso") << 10 << 11 << 9 << "OTTIMO" << true;
    QTest::newRow("6 su 10") << 6 << 10 << 6 << "SUFFICIENTE" << true;
    QTest::newRow("7 su 10") << 7 << 10 << 7 << "BUONO" << true;
    QTest::newRow("21 su 30, un settimo esatto") << 21 << 30 << 7 << "BUONO" << true;
    QTest::newRow("8 su 10") << 8 << 10 << 8 << "DISTINTO" << true;
    // Rounded down, never to the nearest.
    QTest::newRow("9 su 20 è 4,5") << 9 << 20 << 4 << "Non classificato" << false;
    QTest::newRow("11 su 20 è 5,5") << 11 << 20 << 5 << "SUFFICIENTE (!)" << true;
    QTest::newRow("19 su 20 è 9,5") << 19 << 20 << 9 << "OTTIMO" << true;
    QTest::newRow("29 su 30 è 9,67") << 29 << 30 << 9 << "OTTIMO" << true;
    QTest::newRow("26 su 30 è 8,67") << 26 << 30 << 8 << "DISTINTO" << true;
    QTest::newRow("89 su 90") << 89 << 90 << 9 << "OTTIMO" << true;
    QTest::newRow("nessuna esatta") << 0 << 10 << 0 << "Non classificato" << false;
    QTest::newRow("nessuna operazione") << 0 << 0 << -1 << "Non classificato" << false;
    QTest::newRow("esatte senza operazioni") << 3 << 0 << -1 << "Non classificato" << false;
    QTest::newRow("più esatte che operazioni") << 12 << 10 << 12 << "Non classificato" << false;
    QTest::newRow("conteggio negativo") << -1 << 10 << -1 << "Non classificato" << false;
}

void TestValutazione::voto() {
    QFETCH(int, esatte);
    QFETCH(int, operazioni);
    QFETCH(int, p);
    QFETCH(QString, valutazione);
    QFETCH(bool, stampabile);
    const std::optional<int> decimi = decimiEsatti(esatte, operazioni);
    if (operazioni == 0) {
        QVERIFY(!decimi);
    } else {
        QCOMPARE(decimi.value_or(-100), p);
    }
    const FasciaValutazione& fascia = fasciaValutazione(decimi);
    QCOMPARE(testoValutazione(fascia), valutazione);
    QCOMPARE(fascia.stampabile, stampabile);
}

// Every p from 0 to 10 has exactly one grade, and only the lowest band cannot be printed.
void TestValutazione::fasceSenzaBuchiNeSovrapposizioni() {
    for (int p = 0; p <= 10; ++p) {
        int fasce = 0;
        for (const FasciaValutazione& fascia : fasceValutazione) {
            fasce += p >= fascia.pMinimo && p <= fascia.pMassimo;
        }
        QVERIFY2(fasce == 1, qPrintable(QString::number(p)));
    }
    for (const FasciaValutazione& fascia : fasceValutazione) {
        QCOMPARE(fascia.stampabile, &fascia != &nonClassificato);
    }
}

// What the teacher reads for each band, elisions included.
void TestValutazione::quotaInParole_data() {
    QTest::addColumn<int>("fascia");
    QTest::addColumn<QString>("quota");
    QTest::newRow("non classificato") << 0 << "meno del 50 %";
    QTest::newRow("sufficiente (!)") << 1 << "dal 50 % a meno del 60 %";
    QTest::newRow("sufficiente") << 2 << "dal 60 % a meno del 70 %";
    QTest::newRow("buono") << 3 << "dal 70 % a meno dell'80 %";
    QTest::newRow("distinto") << 4 << "dall'80 % a meno del 90 %";
    QTest::newRow("ottimo") << 5 << "dal 90 % in su";
}

void TestValutazione::quotaInParole() {
    QFETCH(int, fascia);
    QFETCH(QString, quota);
    QCOMPARE(quotaDellaFascia(fasceValutazione[static_cast<size_t>(fascia)]), quota);
}

VELTRIX_TEST(TestValutazione)
#include "tst_valutazione.moc"
