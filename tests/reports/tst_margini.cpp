// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/banco.h"
#include "comune/documenti.h"
#include "comune/pdf.h"
#include "comune/registro.h"

#include <QFrame>
#include <QTest>

namespace {
// Most printers cannot print within 4 to 5 mm of the paper's edge.
constexpr double bordoMm = 5;
constexpr double bordoPunti = bordoMm / 25.4 * 72;
constexpr int dpiProva = 50;

bool bianco(const QImage& pagina, int x, int y) {
    return pagina.pixelColor(x, y) == QColor(Qt::white);
}

// The part of the page that has something drawn in it.
QRect disegnato(const QImage& pagina) {
    QRect r;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            if (!bianco(pagina, x, y)) {
                r |= QRect(x, y, 1, 1);
            }
        }
    }
    return r;
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
    QTest::addColumn<double>("scala"); // of the interface
    QTest::newRow("elenco") << "elenco" << QSize() << "Esercizio n.2" << 1.0;
    QTest::newRow("scheda alunni") << "scheda-alunni" << QSize() << "Cognome e nome:" << 1.0;
    QTest::newRow("scheda docenti") << "scheda-docenti" << QSize() << "Cognome e nome:" << 1.0;
    // A screen turned upright: a certificate taller than the paper. The largest, a picture
    // three times the paper's width.
    for (const QSize schermo : {QSize(1024, 768), QSize(2560, 1440), QSize(3840, 2160),
                                QSize(1080, 1920), QSize(7680, 4320)}) {
        QTest::addRow("attestato %dx%d", schermo.width(), schermo.height())
            << "attestato" << schermo << "DIPLOMA DI MERITO" << 1.0;
    }
    // The scale the program picks on a whiteboard, and one a teacher chose.
    for (const auto& [schermo, scala] :
         {std::pair{QSize(1920, 1080), 1.4}, std::pair{QSize(1280, 800), 1.2}}) {
        QTest::addRow("attestato %dx%d a scala %g", schermo.width(), schermo.height(), scala)
            << "attestato" << schermo << "DIPLOMA DI MERITO" << scala;
    }
}

// Every document through the real printer without one, read back from its PDF: no word and no
// coloured box within 5 mm of the paper's edges, the certificate whole on any screen and
// centred across the page, as large as its picture at scale 1 on that screen (at scale s, Qt
// gives the same screen s times fewer pixels) and its text filling it.
void TestMargini::nienteDoveLaStampanteNonStampa() {
    QFETCH(QString, documento);
    QFETCH(QSize, finestra);
    QFETCH(QString, atteso);
    QFETCH(double, scala);
    MessaggiFinti detti;
    StampanteQt stampante(detti, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    Banco banco(QStringLiteral("veltrix"), &stampante);
    QWidget* f = documenti::prepara(banco, documento);
    QVERIFY(f);
    QSizeF figura; // the certificate's picture at scale 1, in points
    if (finestra.isValid()) {
        f->showNormal();
        for (const QSize grandezza : {finestra, finestra / scala}) {
            f->resize(grandezza);
            QTRY_COMPARE(f->size(), grandezza);
            if (const auto* picture = f->findChild<QFrame*>(QStringLiteral("Picture1"));
                picture && figura.isEmpty()) {
                figura = QSizeF(picture->contentsRect().size()) * 0.75;
            }
        }
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scala));
    documenti::stampa(f, documento);
    qunsetenv("QT_SCALE_FACTOR");
    QCOMPARE(detti.mostrati.size(), 1);
    const QString file = banco.percorso(stampante.ultimoFile());

    SALTA_SENZA_POPPLER();
    const QList<pdf::Pagina> pagine = pdf::pagine(file);
    QCOMPARE(pagine.size(), 1);
    const QRectF dentro = QRectF(QPointF(), pagine[0].dimensioni)
                              .adjusted(bordoPunti, bordoPunti, -bordoPunti, -bordoPunti);
    QStringList parole;
    QRectF scritto;
    for (const pdf::Parola& parola : pagine[0].parole) {
        QVERIFY2(dentro.contains(parola.riquadro), qPrintable(parola.testo));
        parole << parola.testo;
        scritto |= parola.riquadro;
    }
    QVERIFY2(parole.join(QLatin1Char(' ')).contains(atteso), qPrintable(parole.join(' ')));

    const QImage carta = pdf::immagine(file, 1, dpiProva);
    QVERIFY(!carta.isNull());
    QCOMPARE(righeDisegnateAlBordo(carta, qCeil(bordoMm / 25.4 * dpiProva)), 0);
    if (documento == QLatin1String("attestato")) {
        const QRect riquadro = disegnato(carta);
        QVERIFY2(qAbs(riquadro.left() - (carta.width() - 1 - riquadro.right())) <= 1,
                 qPrintable(QStringLiteral("%1 %2").arg(riquadro.left()).arg(riquadro.right())));
        const QSizeF inPunti = QSizeF(riquadro.size()) * 72 / dpiProva;
        // Pictures that fit the paper: printed at their own size at scale 1.
        QVERIFY2(scala == 1 || (qAbs(inPunti.width() - figura.width()) < 3 &&
                                qAbs(inPunti.height() - figura.height()) < 3),
                 qPrintable(QStringLiteral("%1x%2").arg(inPunti.width()).arg(inPunti.height())));
        QVERIFY(scritto.width() > inPunti.width() * 0.8 ||
                scritto.height() > inPunti.height() * 0.8);
    }
}

VELTRIX_TEST(TestMargini)
#include "tst_margini.moc"
