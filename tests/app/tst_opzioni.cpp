// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/opzioni.h"
#include "comune/registro.h"

#include <QTest>

class TestOpzioni : public QObject {
    Q_OBJECT
private slots:
    void opzioni_data();
    void opzioni();
};

void TestOpzioni::opzioni_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("chieste"); // a help, v version, d documenti
    QTest::addColumn<int>("operazione");  // 0: none
    QTest::addColumn<int>("avvisi");
    QTest::newRow("niente") << QStringList{} << "" << 0 << 0;
    QTest::newRow("una classe di sottrazioni") << QStringList{"--operazione", "2"} << "" << 2 << 0;
    QTest::newRow("con =") << QStringList{"--operazione=7"} << "" << 7 << 0;
    QTest::newRow("fuori dai codici") << QStringList{"--operazione", "8"} << "" << 0 << 1;
    QTest::newRow("non un numero") << QStringList{"--operazione", "tre"} << "" << 0 << 1;
    QTest::newRow("aiuto") << QStringList{"--help"} << "a" << 0 << 0;
    QTest::newRow("aiuto breve") << QStringList{"-h"} << "a" << 0 << 0;
    QTest::newRow("versione") << QStringList{"-v"} << "v" << 0 << 0;
    QTest::newRow("documenti e scala")
        << QStringList{"--documenti", "--scala", "1,5"} << "d" << 0 << 0;
    // Whatever else is on the line is named, and the program starts all the same.
    QTest::newRow("sconosciute") << QStringList{"--pippo", "-x", "foto.png", "--operazione=1"} << ""
                                 << 1 << 3;
}

void TestOpzioni::opzioni() {
    QFETCH(QStringList, argomenti);
    QFETCH(QString, chieste);
    QFETCH(int, operazione);
    QFETCH(int, avvisi);
    const Opzioni o = leggiOpzioni(QStringList{QStringLiteral("veltrix")} + argomenti);
    QCOMPARE(o.aiuto, chieste.contains(QLatin1Char('a')));
    QCOMPARE(o.versione, chieste.contains(QLatin1Char('v')));
    QCOMPARE(o.documenti, chieste.contains(QLatin1Char('d')));
    QCOMPARE(o.operazione.value_or(0), operazione);
    QCOMPARE(o.avvisi.size(), avvisi);
    QVERIFY(testoAiuto(QStringLiteral("sottrazioni")).contains(QStringLiteral("sottrazioni.dat")));
}

VELTRIX_TEST(TestOpzioni)
#include "tst_opzioni.moc"
