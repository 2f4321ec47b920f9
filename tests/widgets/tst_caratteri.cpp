// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "widgets/caratteri.h"
#include "widgets/stile.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

class TestCaratteri : public QObject {
    Q_OBJECT
private slots:
    void restringeSoloQuantoBasta_data();
    void restringeSoloQuantoBasta();
    void famiglieDisponibili();
    void frecciaDelMenuSenzaPlugin();
};

namespace {
double larghezza(const QFont& font, double punti, const QString& testo) {
    QFont f = font;
    f.setPointSizeF(punti);
    return QFontMetricsF(f).horizontalAdvance(testo);
}

int mappatureImmagini() {
    QFile mappe(QStringLiteral("/proc/self/maps"));
    if (!mappe.open(QIODevice::ReadOnly)) {
        return -1;
    }
    return int(mappe.readAll().count("/imageformats/"));
}
} // namespace

void TestCaratteri::restringeSoloQuantoBasta_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<double>("punti");
    QTest::addColumn<int>("larghezza");
    const QString sottotitolo = QStringLiteral(" OPERAZIONI IN  RIGA CON NUMERI INTERI");
    QTest::newRow("il sottotitolo nella sua etichetta") << sottotitolo << 20.25 << 547;
    QTest::newRow("entra già") << QStringLiteral("OPE") << 20.25 << 547;
    QTest::newRow("metà dello spazio") << sottotitolo << 20.25 << 270;
    QTest::newRow("un filo più stretto") << QStringLiteral("MOLTIPLICAZIONI") << 14.0 << 150;
    QTest::newRow("non entra nemmeno al minimo") << sottotitolo << 12.0 << 20;
    QTest::newRow("passo non intero") << sottotitolo << 13.6 << 300;
}

// The label keeps a size, in quarter-point steps down from its own, at which its text fits, at
// most one pixel smaller than the largest that would; never larger than its own, never below
// the smallest size a pupil reads.
void TestCaratteri::restringeSoloQuantoBasta() {
    QFETCH(QString, testo);
    QFETCH(double, punti);
    QFETCH(int, larghezza);
    QLabel etichetta(testo);
    etichetta.setFont(carattere(QStringLiteral("Arial"), punti));
    etichetta.resize(larghezza, 40);
    adattaAllaLarghezza(&etichetta);
    const QFont dopo = etichetta.font();
    const double scelti = dopo.pointSizeF();
    const double passi = (punti - scelti) / 0.25;
    QCOMPARE(passi, std::round(passi));
    QVERIFY(scelti <= punti);
    QVERIFY(!etichetta.wordWrap());
    if (scelti <= puntiLeggibili) {
        QVERIFY(scelti > puntiLeggibili - 0.25);
        return;
    }
    QVERIFY(::larghezza(dopo, scelti, testo) <= larghezza);
    const int pixelScelti = QFontInfo(dopo).pixelSize();
    for (double p = scelti + 0.25; p <= punti; p += 0.25) {
        QFont f = dopo;
        f.setPointSizeF(p);
        if (QFontInfo(f).pixelSize() > pixelScelti + 1) {
            QVERIFY2(::larghezza(dopo, p, testo) > larghezza, qPrintable(QString::number(p)));
        }
    }
}

// A face the computer has is kept; a missing one becomes an installed stand-in, the same every
// time, and a face nobody has a stand-in for is left to fontconfig as asked.
void TestCaratteri::famiglieDisponibili() {
    const QStringList installate = QFontDatabase::families();
    for (const char* nome : {"Arial", "MS Sans Serif", "Courier New"}) {
        const QString scelta = famigliaDisponibile(QLatin1String(nome));
        QVERIFY2(installate.contains(scelta, Qt::CaseInsensitive), nome);
        QCOMPARE(famigliaDisponibile(QLatin1String(nome)), scelta);
    }
    const QString presente = installate.first();
    QCOMPARE(famigliaDisponibile(presente), presente);
    QCOMPARE(famigliaDisponibile(QStringLiteral("Nessun Carattere Simile")),
             QStringLiteral("Nessun Carattere Simile"));
}

// The menu bar's overflow arrow is drawn, in both directions, without Qt probing every image
// plugin to read its bundled picture.
void TestCaratteri::frecciaDelMenuSenzaPlugin() {
    const int prima = mappatureImmagini();
    QVERIFY(prima >= 0);
    QMenuBar barra;
    barra.addMenu(QStringLiteral("Stampa schede"));
    QCOMPARE(mappatureImmagini(), prima);
    QStyle* stile = QApplication::style();
    QVERIFY(dynamic_cast<StileVeltrix*>(stile));
    const QImage destra =
        stile->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
    const QImage giu =
        stile->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16).toImage();
    QCOMPARE(destra.size(), QSize(16, 16));
    int tratti = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int alfa = qAlpha(destra.pixel(x, y));
            tratti += alfa > 0;
            // The downward arrow is the rightward one turned a quarter clockwise.
            QCOMPARE(qAlpha(giu.pixel(15 - y, x)) > 0, alfa > 0);
        }
    }
    QVERIFY(tratti > 10);
}

VELTRIX_TEST(TestCaratteri)
#include "tst_caratteri.moc"
