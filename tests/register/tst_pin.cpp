// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "register/pin.h"

#include <QTest>

class TestPin : public QObject {
    Q_OBJECT
private slots:
    void regole_data();
    void regole();
    void impronta();
    void attese_data();
    void attese();
};

void TestPin::regole_data() {
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("ammesso");
    QTest::newRow("quattro cifre") << "0000" << true;
    QTest::newRow("otto cifre") << "12345678" << true;
    QTest::newRow("tre cifre") << "123" << false;
    QTest::newRow("nove cifre") << "123456789" << false;
    QTest::newRow("vuoto") << "" << false;
    QTest::newRow("lettere") << "12a4" << false;
    QTest::newRow("spazio") << "12 34" << false;
    // Arabic-Indic digits are digits to Qt, but would never be typed the same way again.
    QTest::newRow("altre cifre") << QString::fromUtf8("١٢٣٤") << false;
}

void TestPin::regole() {
    QFETCH(QString, pin);
    QFETCH(bool, ammesso);
    QCOMPARE(pin::problema(pin).isEmpty(), ammesso);
}

// The hash opens with its PIN only; two hashes of one PIN differ by their salt, and neither
// holds the PIN; a damaged or foreign text never opens.
void TestPin::impronta() {
    const QString a = pin::impronta(QStringLiteral("2468"), 1000);
    const QString b = pin::impronta(QStringLiteral("2468"), 1000);
    QVERIFY(a != b);
    QVERIFY(!a.contains(QStringLiteral("2468")));
    QVERIFY(pin::giusto(QStringLiteral("2468"), a));
    QVERIFY(pin::giusto(QStringLiteral("2468"), b));
    QVERIFY(!pin::giusto(QStringLiteral("2469"), a));
    QVERIFY(!pin::giusto(QStringLiteral("24680"), a));
    for (const QString& guasta :
         {QString(), QStringLiteral("2468"), a.left(a.size() - 4),
          QString(a).replace(QStringLiteral("$1000$"), QStringLiteral("$0$")),
          QString(a).replace(QStringLiteral("sha256"), QStringLiteral("md5"))}) {
        QVERIFY2(!pin::giusto(QStringLiteral("2468"), guasta), qPrintable(guasta));
    }
}

void TestPin::attese_data() {
    QTest::addColumn<int>("errori");
    QTest::addColumn<int>("secondi");
    QTest::newRow("quattro errori: libero") << 4 << 0;
    QTest::newRow("quinto: 30 s") << 5 << 30;
    QTest::newRow("sesto: il doppio") << 6 << 60;
    QTest::newRow("ottavo") << 8 << 240;
    QTest::newRow("mai più di un giorno") << 40 << 24 * 3600;
}

// The wait after each wrong try, kept as text in the register and read back.
void TestPin::attese() {
    QFETCH(int, errori);
    QFETCH(int, secondi);
    const QDateTime adesso(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
    pin::Tentativi t;
    for (int i = 0; i < errori; ++i) {
        t = pin::daTesto(pin::comeTesto(pin::dopoErrore(t, adesso)));
    }
    QCOMPARE(t.errori, errori);
    QCOMPARE(pin::attesa(t, adesso).count(), secondi);
    QCOMPARE(pin::attesa(t, adesso.addSecs(secondi)).count(), 0);
    // A clock put back a year still waits a day at most.
    QVERIFY(pin::attesa(t, adesso.addYears(-1)).count() <= 24 * 3600);
}

VELTRIX_TEST(TestPin)
#include "tst_pin.moc"
