// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/icona.h"
#include "comune/registro.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

class TestIcona : public QObject {
    Q_OBJECT
private slots:
    void ogniLatoDisegnato_data();
    void ogniLatoDisegnato();
};

void TestIcona::ogniLatoDisegnato_data() {
    QTest::addColumn<int>("lato");
    for (int lato : {16, 22, 24, 32, 48, 64}) {
        QTest::addRow("%dx%d", lato, lato) << lato;
    }
}

// Every size a title bar, a task bar or a window switcher asks for is built into the program, drawn
// at that size rather than shrunk from another, and holds the picture, not an empty square.
void TestIcona::ogniLatoDisegnato() {
    QFETCH(int, lato);
    impostaIcona();
    const QIcon icona = QApplication::windowIcon();
    QVERIFY2(
        icona.availableSizes().contains(QSize(lato, lato)),
        qPrintable(QStringLiteral("%1 immagini nell'icona").arg(icona.availableSizes().size())));
    const QImage immagine = icona.pixmap(QSize(lato, lato)).toImage();
    QCOMPARE(immagine.size(), QSize(lato, lato));
    // The sheet's rounded corner leaves the very corner clear; its paper fills the middle.
    QCOMPARE(qAlpha(immagine.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(immagine.pixel(lato / 2, lato / 2)), 255);
}

VELTRIX_TEST(TestIcona)
#include "tst_icona.moc"
