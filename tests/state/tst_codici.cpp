// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "state/codici.h"

#include <QTest>

// A number read from the shared state or a hand-edited settings file is a code only within its
// enumeration: one past either end must be refused, or a table indexed by it is read past its end.
class TestCodici : public QObject {
    Q_OBJECT
private slots:
    void soloINumeriDelCodice_data();
    void soloINumeriDelCodice();
};

void TestCodici::soloINumeriDelCodice_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("operazione"); // 0: no code
    QTest::addColumn<int>("scheda");
    QTest::addColumn<int>("destinatari");
    QTest::newRow("negativo") << -1 << 0 << 0 << 0;
    QTest::newRow("zero") << 0 << 0 << 0 << 0;
    QTest::newRow("uno") << 1 << 1 << 1 << 1;
    QTest::newRow("due") << 2 << 2 << 2 << 2;
    QTest::newRow("tre") << 3 << 3 << 3 << 0;
    QTest::newRow("quattro") << 4 << 0 << 4 << 0;
    QTest::newRow("sette") << 7 << 0 << 7 << 0;
    QTest::newRow("otto") << 8 << 0 << 0 << 0;
    QTest::newRow("massimo") << 32767 << 0 << 0 << 0;
    QTest::newRow("minimo") << -32768 << 0 << 0 << 0;
}

void TestCodici::soloINumeriDelCodice() {
    QFETCH(int, numero);
    QFETCH(int, operazione);
    QFETCH(int, scheda);
    QFETCH(int, destinatari);
    const auto comeNumero = [](auto codice) { return codice ? int(numeroDi(*codice)) : 0; };
    const auto n = static_cast<qint16>(numero);
    QCOMPARE(comeNumero(daCodice<OperazioneEsercizio>(n)), operazione);
    QCOMPARE(comeNumero(daCodice<CodiceScheda>(n)), scheda);
    QCOMPARE(comeNumero(daCodice<Destinatari>(n)), destinatari);
}

VELTRIX_TEST(TestCodici)
#include "tst_codici.moc"
