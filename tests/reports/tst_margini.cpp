// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/banco.h"
#include "comune/documenti.h"
#include "comune/pdf.h"
#include "comune/registro.h"

#include <QTest>

namespace {
// Most printers cannot print within 4 to 5 mm of the paper's edge.
constexpr double bordoMm = 5;
constexpr double bordoPunti = bordoMm / 25.4 * 72;
constexpr int dpiProva = 50;

bool bianco(const QImage& pagina, int x, int y) {
    return pagina.pixelColor(x, y) == QColor(Qt::white);
}

// The columns of the page that have something drawn in them, leftmost and rightmost.
QPair<int, int> colonneDisegnate(const QImage& pagina) {
    int sinistra = pagina.width();
    int destra = -1;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            if (!bianco(pagina, x, y)) {
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
            }
        }
    }
    return {sinistra, destra};
}

int righeDisegnateAlBordo(const QImage& pagina, int bordo) {
    int conDisegno = 0;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            const bool alBordo = x < bordo || y < bordo || x >= pagina.width() - bordo ||
                                 y >= pagina.height() - bordo;
            conDisegno += alBordo && !bianco(pagina, x, y);
        }
    }
    return conDisegno;
}
} // namespace

class TestMargini : public QObject {
    Q_OBJECT
private slots:
    void nienteDoveLaStampanteNonStampa_data();
    void nienteDoveLaStampanteNonStampa();
};

void TestMargini::nienteDoveLaStampanteNonStampa_data() {
    QTest::addColumn<QString>("documento");
    QTest::addColumn<QSize>("finestra");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("elenco") << "elenco" << QSize() << "Esercizio n.2";
    QTest::newRow("scheda alunni") << "scheda-alunni" << QSize() << "Cognome e nome:";
    QTest::newRow("scheda docenti") << "scheda-docenti" << QSize() << "Cognome e nome:";
    // The last one is a screen turned upright: a certificate taller than the paper.
    for (const QSize schermo :
         {QSize(1024, 768), QSize(2560, 1440), QSize(3840, 2160), QSize(1080, 1920)}) {
        QTest::addRow("attestato %dx%d", schermo.width(), schermo.height())
            << "attestato" << schermo << "DIPLOMA DI MERITO";
    }
}

// Every document through the real printer without one, read back from its PDF: no word and no
// coloured box within 5 mm of the paper's edges, the certificate whole on any screen and
// centred across the page.
void TestMargini::nienteDoveLaStampanteNonStampa() {
    QFETCH(QString, documento);
    QFETCH(QSize, finestra);
    QFETCH(QString, atteso);
    MessaggiFinti detti;
    StampanteQt stampante(detti, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    Banco banco(QStringLiteral("veltrix"), &stampante);
    QWidget* f = documenti::prepara(banco, documento);
    QVERIFY(f);
    if (finestra.isValid()) {
        f->showNormal();
        f->resize(finestra);
        QTRY_COMPARE(f->size(), finestra);
    }
    documenti::stampa(f, documento);
    QCOMPARE(detti.mostrati.size(), 1);
    const QString file = banco.percorso(stampante.ultimoFile());

    SALTA_SENZA_POPPLER();
    const QList<pdf::Pagina> pagine = pdf::pagine(file);
    QCOMPARE(pagine.size(), 1);
    const QRectF dentro = QRectF(QPointF(), pagine[0].dimensioni)
                              .adjusted(bordoPunti, bordoPunti, -bordoPunti, -bordoPunti);
    QStringList parole;
    for (const pdf::Parola& parola : pagine[0].parole) {
        QVERIFY2(dentro.contains(parola.riquadro), qPrintable(parola.testo));
        parole << parola.testo;
    }
    QVERIFY2(parole.join(QLatin1Char(' ')).contains(atteso), qPrintable(parole.join(' ')));

    const QImage carta = pdf::immagine(file, 1, dpiProva);
    QVERIFY(!carta.isNull());
    QCOMPARE(righeDisegnateAlBordo(carta, qCeil(bordoMm / 25.4 * dpiProva)), 0);
    if (documento == QLatin1String("attestato")) {
        const auto [sinistra, destra] = colonneDisegnate(carta);
        QVERIFY2(qAbs(sinistra - (carta.width() - 1 - destra)) <= 1,
                 qPrintable(QStringLiteral("%1 %2").arg(sinistra).arg(destra)));
    }
}

VELTRIX_TEST(TestMargini)
#include "tst_margini.moc"
