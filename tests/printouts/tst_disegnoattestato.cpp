// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "printouts/disegnoattestato.h"
#include "state/statocondiviso.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTest>

namespace {
const QColor rosso(0xFF, 0x00, 0x00);
const QColor nero(0x00, 0x00, 0x00);
const QColor coloreIniziale(0x12, 0x34, 0x56);

StatoCondiviso statoDiProva() {
    StatoCondiviso s;
    s.NomeAlunno = QStringLiteral("Marta");
    s.NomeProgrammaAttestato = QStringLiteral("veltrix");
    s.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    s.DescrizioneLivelloSerie = QStringLiteral("NUMERO MASSIMO da  1 a 30");
    s.Valutazione = QStringLiteral("DISTINTO");
    s.TotaleEsatte = 17;
    s.ContaOperazioni = 20;
    return s;
}

// A screen of 96 dpi to measure the fonts on, as the picture box is.
QImage schermo() {
    QImage immagine(10, 10, QImage::Format_RGB32);
    immagine.setDotsPerMeterX(3780);
    immagine.setDotsPerMeterY(3780);
    return immagine;
}

double altezza(const QFont& f, const QPaintDevice& d) {
    return QFontMetricsF(f, &d).lineSpacing();
}
} // namespace

class TestDisegnoAttestato : public QObject {
    Q_OBJECT
private slots:
    void nome_data();
    void nome();
    void righe_data();
    void righe();
    void centrateUnaSottoLAltra();
    void soloLeRigheGiaDisegnate();
    void immagineTroppoBassaRimpicciolisceTutto_data();
    void immagineTroppoBassaRimpicciolisceTutto();
    void rigaTroppoLargaRimpicciolisceSoloSe();
    void immagineVuota();
};

void TestDisegnoAttestato::nome_data() {
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QString>("attestato");
    QTest::newRow("maiuscole") << "MARTA"
                               << "MARTA";
    QTest::newRow("minuscole") << "marta"
                               << "Marta";
    QTest::newRow("miste") << "mARtA"
                           << "MARtA";
    QTest::newRow("accentata in testa") << "èlia"
                                        << "Èlia";
    QTest::newRow("accentata in fondo") << "NICCOLÒ"
                                        << "NICCOLÒ";
    QTest::newRow("con cognome") << "anna rossi"
                                 << "Anna Rossi";
    QTest::newRow("una lettera") << "x"
                                 << "X";
    QTest::newRow("vuoto") << ""
                           << "";
    QTest::newRow("blank in testa") << " luca"
                                    << " Luca";
    QTest::newRow("quindici lettere") << "MARIAVITTORIAAB"
                                      << "MARIAVITTORIAAB";
    QTest::newRow("apostrofo, come scritto") << "Niccolò D'Amico"
                                             << "Niccolò D'Amico";
    QTest::newRow("apostrofo, minuscole") << "anna dell'acqua"
                                          << "Anna Dell'acqua";
}

void TestDisegnoAttestato::nome() {
    QFETCH(QString, scritto);
    QFETCH(QString, attestato);
    QCOMPARE(nomeConIniziale(scritto), attestato);
}

void TestDisegnoAttestato::righe_data() {
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("famiglia");
    QTest::addColumn<double>("punti");
    QTest::addColumn<bool>("grassetto");
    QTest::addColumn<QColor>("colore");

    const QString arial = QStringLiteral("Arial");
    const QString sans = QStringLiteral("MS Sans Serif");
    struct Riga {
        const char* testo;
        QString famiglia;
        double punti;
        bool grassetto;
        QColor colore;
    };
    const Riga righe[24] = {
        {"", sans, 8.25, true, coloreIniziale},
        {"", sans, 8.25, true, coloreIniziale},
        {"", sans, 8.25, true, coloreIniziale},
        {"DIPLOMA DI MERITO", arial, 20, true, rosso},
        {"RILASCIATO A", arial, 12, true, nero},
        {"", arial, 12, true, nero},
        {"Marta", arial, 20, true, rosso},
        {"", arial, 20, true, rosso},
        {"per aver eseguito", arial, 12, false, nero},
        {"", arial, 12, false, nero},
        {"veltrix", arial, 12, true, nero},
        {"", arial, 12, true, nero},
        {"CALCOLO DEL RISULTATO", arial, 12, true, nero},
        {"", arial, 12, true, nero},
        {"NUMERO MASSIMO da  1 a 30", arial, 12, true, nero},
        {"", arial, 12, true, nero},
        {"con la valutazione di", arial, 12, false, nero},
        {"", arial, 12, false, nero},
        {"DISTINTO", arial, 14, true, rosso},
        {"", arial, 14, true, rosso},
        {"con 17 risposte esatte su 20 richieste", arial, 12, false, nero},
        {"", arial, 12, false, nero},
        {"", arial, 12, false, nero},
        {"Data  08/12/2026", arial, 12, false, nero},
    };
    for (int i = 0; i < 24; ++i) {
        const Riga& r = righe[i];
        QTest::addRow("riga %d", i + 1)
            << i << QString::fromUtf8(r.testo) << r.famiglia << r.punti << r.grassetto << r.colore;
    }
}

void TestDisegnoAttestato::righe() {
    QFETCH(int, riga);
    QFETCH(QString, testo);
    QFETCH(QString, famiglia);
    QFETCH(double, punti);
    QFETCH(bool, grassetto);
    QFETCH(QColor, colore);
    const auto tutte = righeAttestato(statoDiProva(), QStringLiteral("08/12/2026"), coloreIniziale);
    QCOMPARE(tutte.size(), std::size_t(24));
    const RigaAttestato& r = tutte[riga];
    QCOMPARE(r.testo, testo);
    QCOMPARE(r.font.family(), famiglia);
    QCOMPARE(r.font.pointSizeF(), punti);
    QCOMPARE(r.font.bold(), grassetto);
    QCOMPARE(r.colore, colore);
}

// In a picture with room to spare every line keeps its font, is centred, and stands one line
// of its font (blank lines included) below the line above.
void TestDisegnoAttestato::centrateUnaSottoLAltra() {
    const QImage d = schermo();
    const auto tutte = righeAttestato(statoDiProva(), QStringLiteral("08/12/2026"), nero);
    const QSize interno(700, 900);
    const Immagine immagine = impaginaAttestato(tutte, tutte.size(), interno, d, rosso);
    QCOMPARE(immagine.dimensioni, interno);
    QCOMPARE(immagine.sfondo, rosso);
    QCOMPARE(immagine.dpi, 96.0);
    QCOMPARE(immagine.testi.size(), std::size_t(11));
    double y = 0;
    std::size_t disegnato = 0;
    for (const RigaAttestato& riga : tutte) {
        if (!riga.testo.isEmpty()) {
            const Immagine::Testo& t = immagine.testi[disegnato++];
            QCOMPARE(t.testo, riga.testo);
            QCOMPARE(t.font, riga.font);
            QCOMPARE(t.colore, riga.colore);
            const double larghezza = QFontMetricsF(riga.font, &d).horizontalAdvance(riga.testo);
            QCOMPARE(t.posizione.x(), (interno.width() - larghezza) / 2);
            QCOMPARE(t.posizione.y(), y);
        }
        y += altezza(riga.font, d);
    }
    QCOMPARE(disegnato, immagine.testi.size());
}

void TestDisegnoAttestato::soloLeRigheGiaDisegnate() {
    const QImage d = schermo();
    const auto tutte = righeAttestato(statoDiProva(), QStringLiteral("08/12/2026"), nero);
    QCOMPARE(impaginaAttestato(tutte, 3, QSize(700, 900), d, rosso).testi.size(), std::size_t(0));
    const Immagine cinque = impaginaAttestato(tutte, 5, QSize(700, 900), d, rosso);
    QCOMPARE(cinque.testi.size(), std::size_t(2));
    QCOMPARE(cinque.testi[1].testo, QStringLiteral("RILASCIATO A"));
    // Lines still to come do not move those drawn.
    const Immagine tutto = impaginaAttestato(tutte, 24, QSize(700, 900), d, rosso);
    QCOMPARE(cinque.testi[1].posizione, tutto.testi[1].posizione);
}

// The designed picture is lower than the certificate at its own sizes: everything is made
// smaller alike, the date still inside.
void TestDisegnoAttestato::immagineTroppoBassaRimpicciolisceTutto_data() {
    QTest::addColumn<int>("alta");
    for (int alta : {120, 200, 263, 300, 343, 400, 437, 450}) {
        QTest::addRow("%d pixel", alta) << alta;
    }
}

void TestDisegnoAttestato::immagineTroppoBassaRimpicciolisceTutto() {
    QFETCH(int, alta);
    const QImage d = schermo();
    const auto tutte = righeAttestato(statoDiProva(), QStringLiteral("08/12/2026"), nero);
    const QSize interno(600, alta);
    const Immagine immagine = impaginaAttestato(tutte, tutte.size(), interno, d, rosso);
    QCOMPARE(immagine.testi.size(), std::size_t(11));
    const Immagine::Testo& data = immagine.testi.back();
    QCOMPARE(data.testo, QStringLiteral("Data  08/12/2026"));
    QVERIFY(data.posizione.y() + altezza(data.font, d) <= interno.height());
    QVERIFY(data.posizione.y() > interno.height() * 0.75); // not squeezed beyond need
    const double scala = immagine.testi[0].font.pointSizeF() / 20;
    QVERIFY(scala < 1);
    for (std::size_t i = 0; i < immagine.testi.size(); ++i) {
        const Immagine::Testo& t = immagine.testi[i];
        const RigaAttestato* riga = nullptr;
        for (const RigaAttestato& r : tutte) {
            if (r.testo == t.testo) {
                riga = &r;
            }
        }
        QVERIFY(riga);
        QCOMPARE(t.font.pointSizeF() / riga->font.pointSizeF(), scala);
        QCOMPARE(t.font.bold(), riga->font.bold());
        if (i > 0) {
            QVERIFY(t.posizione.y() > immagine.testi[i - 1].posizione.y());
        }
    }
}

// Only the line that does not fit the width is made smaller, and it stays centred.
void TestDisegnoAttestato::rigaTroppoLargaRimpicciolisceSoloSe() {
    const QImage d = schermo();
    StatoCondiviso s = statoDiProva();
    s.DescrizioneObiettivo = QStringLiteral("CALCOLO CASUALE DEL RISULTATO O DEL TERMINE");
    const auto tutte = righeAttestato(s, QStringLiteral("08/12/2026"), nero);
    const QSize interno(300, 900);
    const Immagine immagine = impaginaAttestato(tutte, tutte.size(), interno, d, rosso);
    for (const Immagine::Testo& t : immagine.testi) {
        const double larghezza = QFontMetricsF(t.font, &d).horizontalAdvance(t.testo);
        QVERIFY2(t.posizione.x() >= 0 && larghezza <= interno.width(), qPrintable(t.testo));
        QCOMPARE(t.posizione.x(), (interno.width() - larghezza) / 2);
    }
    QVERIFY(immagine.testi[5].testo == s.DescrizioneObiettivo);
    QVERIFY(immagine.testi[5].font.pointSizeF() < 12);
    QCOMPARE(immagine.testi[4].font.pointSizeF(), 12.0); // the program's name fits
    QCOMPARE(immagine.testi[6].font.pointSizeF(), 12.0); // the level fits
    // The narrower line keeps the place of a full one: the level below has not moved up.
    double y = 0;
    for (int i = 0; i < 14; ++i) {
        y += altezza(tutte[i].font, d);
    }
    QCOMPARE(immagine.testi[6].posizione.y(), y);
    QVERIFY(immagine.testi[5].posizione.y() >
            y - altezza(tutte[13].font, d) - altezza(tutte[12].font, d));
}

void TestDisegnoAttestato::immagineVuota() {
    const QImage d = schermo();
    const auto tutte = righeAttestato(statoDiProva(), QStringLiteral("08/12/2026"), nero);
    QVERIFY(impaginaAttestato(tutte, 24, QSize(0, 0), d, rosso).testi.empty());
    QVERIFY(impaginaAttestato({}, 24, QSize(200, 200), d, rosso).testi.empty());
}

VELTRIX_TEST(TestDisegnoAttestato)
#include "tst_disegnoattestato.moc"
