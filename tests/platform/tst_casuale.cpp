// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "platform/casuale.h"
#include "platform/nomeprogramma.h"

#include <QTest>

#include <set>

class TestCasuale : public QObject {
    Q_OBJECT
private slots:
    void staNellIntervallo();
    void stessaLetturaNonRipeteLaSequenza();
    void copreTuttoLIntervallo();
    void nomeDelProgramma_data();
    void nomeDelProgramma();
};

void TestCasuale::staNellIntervallo() {
    GeneratoreMescolato g(1);
    float massimo = 0;
    for (int i = 0; i < 200000; ++i) {
        if (i % 1000 == 0) {
            g.rimescola(float(i));
        }
        const float x = g.prossimo();
        QVERIFY2(x >= 0.0f && x < 1.0f, qPrintable(QString::number(double(x), 'g', 10)));
        massimo = std::max(massimo, x);
    }
    // With 24 random bits the largest value is 1 - 2^-24: check that a 1 is really impossible.
    QVERIFY(massimo > 0.999f);
}

// Sixty worksheet lines are built within one clock reading: the same reseed must not give the
// same draws again.
void TestCasuale::stessaLetturaNonRipeteLaSequenza() {
    GeneratoreMescolato g;
    std::set<std::vector<float>> sequenze;
    for (int riga = 0; riga < 60; ++riga) {
        g.rimescola(43200.125f);
        sequenze.insert({g.prossimo(), g.prossimo(), g.prossimo()});
    }
    QCOMPARE(sequenze.size(), size_t(60));
}

void TestCasuale::copreTuttoLIntervallo() {
    GeneratoreMescolato g;
    std::array<int, 20> conteggi{};
    for (int i = 0; i < 20000; ++i) {
        ++conteggi[size_t(g.prossimo() * 20)];
    }
    for (int c : conteggi) {
        QVERIFY2(c > 800 && c < 1200, qPrintable(QString::number(c)));
    }
}

void TestCasuale::nomeDelProgramma_data() {
    QTest::addColumn<QString>("percorso");
    QTest::addColumn<QString>("nome");
    QTest::newRow("eseguibile") << "/usr/bin/veltrix"
                                << "veltrix";
    QTest::newRow("collegamento") << "/home/maestra/sottrazioni"
                                  << "sottrazioni";
    QTest::newRow("relativo") << "./build/veltrix"
                              << "veltrix";
    QTest::newRow("estensione") << "C:/scuola/ADDIZIONI.EXE"
                                << "ADDIZIONI";
    QTest::newRow("due punti") << "/opt/calcolo.v2.exe"
                               << "calcolo.v2";
    QTest::newRow("nome vuoto, non il file nascosto .dat") << ""
                                                           << "veltrix";
#ifdef Q_OS_WIN
    // As Windows passes it from a Start-menu shortcut.
    QTest::newRow("percorso di Windows") << "C:\\Program Files\\VELTRIX\\sottrazioni.exe"
                                         << "sottrazioni";
#endif
}

void TestCasuale::nomeDelProgramma() {
    QFETCH(QString, percorso);
    QFETCH(QString, nome);
    QCOMPARE(nomeDaPercorso(percorso), nome);
}

VELTRIX_TEST(TestCasuale)
#include "tst_casuale.moc"
