// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/file.h"
#include "comune/finti.h"
#include "comune/pdf.h"
#include "comune/registro.h"
#include "printouts/nomealunno.h"
#include "printouts/stampaelenco.h"
#include "state/statocondiviso.h"

#include <QTest>

using namespace elenco;

namespace {
// A series of n operations with record lines shaped like the exercise window's.
void riempi(StatoCondiviso& s, int n) {
    s.ContaOperazioni = static_cast<qint16>(n);
    for (int k = 1; k <= n; ++k) {
        s.RigheStampa[static_cast<size_t>(k)] =
            QStringLiteral("  %1 +   5 +  10 =  ...   R. %2  ").arg(k, 2).arg(k + 15);
    }
    s.TempiEsercizio[1] = QStringLiteral(" 41");
    s.TempiEsercizio[2] = n > 10 ? QStringLiteral(" 12") : QString();
}

struct Stampa {
    StatoCondiviso stato;
    StampanteFinta stampante;
    MessaggiFinti messaggi;
    OrologioFinto orologio;
    bool esegui() { return StampaElenco(stato, stampante, messaggi, orologio); }
    // The texts of one page, in the order they were printed.
    QStringList testi(int pagina = 1) const {
        QStringList t;
        for (const auto& s : stampante.scritte) {
            if (s.pagina == pagina) {
                t << s.testo;
            }
        }
        return t;
    }
};

const double riga12 = StampanteFinta::altezza(12);
// Down the page, in twips: the record lines begin at 2000 on every page, the time lines at 13000.
constexpr double inizioRighe = 2000;
constexpr double primoTempo = 13000;
} // namespace

class TestStampaElenco : public QObject {
    Q_OBJECT
private slots:
    void dodiciRigheConNome();
    void intestazioneSenzaNome();
    void sceltaDelFont_data();
    void sceltaDelFont();
    void novantaRigheSuDuePagine();
    void pagineSeguentiDiconoDiChiSono_data();
    void pagineSeguentiDiconoDiChiSono();
    void nomeScrittoENomeStampato_data();
    void nomeScrittoENomeStampato();
    void pdfVero();
};

void TestStampaElenco::dodiciRigheConNome() {
    Stampa p;
    riempi(p.stato, 12);
    p.stato.NomeAlunno = QStringLiteral("Niccolò");
    QVERIFY(p.esegui());
    QCOMPARE(p.stampante.lavori, 1);
    QCOMPARE(p.stampante.pagine, 1);
    QCOMPARE(p.stampante.documenti, QStringList{QStringLiteral("elenco")});

    const auto& s = p.stampante.scritte;
    QCOMPARE(s.size(), size_t(1 + 2 + 12 + 3));
    QCOMPARE(s[0].testo, QStringLiteral("Nome Niccolò    Data di stampa 08/12/2026"));
    QCOMPARE(s[0].font, QStringLiteral("Courier New"));
    QCOMPARE(s[0].punti, 16.0);
    QCOMPARE(QPointF(s[0].x, s[0].y), QPointF(1000, 1000));

    // A blank line, the heading, then the lines one under the other, all at 1000 in 12 bold.
    double y = inizioRighe + riga12;
    QStringList attesi;
    for (int k = 1; k <= 12; ++k) {
        if (k == 1 || k == 11) {
            attesi << QStringLiteral("Esercizio n.%1").arg(k == 1 ? 1 : 2);
        }
        attesi << p.stato.RigheStampa[static_cast<size_t>(k)];
    }
    for (int i = 1; i <= 14; ++i) {
        QCOMPARE(s[i].testo, attesi[i - 1]);
        QCOMPARE(QPointF(s[i].x, s[i].y), QPointF(1000, y));
        QCOMPARE(s[i].punti, 12.0);
        QVERIFY(s[i].grassetto);
        y += riga12;
        if (i == 11) {
            y += riga12; // the blank line before "Esercizio n.2"
        }
    }
    const QString tempi[3] = {QStringLiteral("Eser. n.1: Tempo tot.  41 secondi"),
                              QStringLiteral("Eser. n.2: Tempo tot.  12 secondi"),
                              QStringLiteral("Eser. n.3: Tempo tot.  secondi")};
    for (int e = 0; e < 3; ++e) {
        QCOMPARE(s[15 + e].testo, tempi[e]);
        QCOMPARE(QPointF(s[15 + e].x, s[15 + e].y), QPointF(1000, primoTempo + 500 * e));
    }
}

void TestStampaElenco::intestazioneSenzaNome() {
    Stampa p;
    riempi(p.stato, 10);
    QVERIFY(p.esegui());
    const auto& s = p.stampante.scritte;
    QCOMPARE(s[0].testo, QStringLiteral("Nome '..................."));
    QCOMPARE(s[1].testo, QStringLiteral("    Data di stampa 08/12/2026"));
    // Straight after, on the same line.
    QCOMPARE(s[1].y, 1000.0);
    QCOMPARE(s[1].x, 1000 + s[0].testo.size() * 16 * 20 * 0.6);
    QCOMPARE(s[2].testo, QStringLiteral("Esercizio n.1"));
    QCOMPARE(s[2].y, inizioRighe + riga12);
    QCOMPARE(p.testi().filter(QStringLiteral("Esercizio")).size(), 1);
}

void TestStampaElenco::sceltaDelFont_data() {
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<QString>("scelto");
    const QString manca;
    QTest::newRow("Courier New prima")
        << QStringList{"Arial", "Courier New", "Courier"} << QStringLiteral("Courier New");
    QTest::newRow("Courier prima")
        << QStringList{"Courier", "Courier New"} << QStringLiteral("Courier");
    QTest::newRow("solo somiglianti")
        << QStringList{"Arial", "Courier 10 Pitch", "courier new", "Courier New "} << manca;
    QTest::newRow("nessun font") << QStringList{} << manca;
}

void TestStampaElenco::sceltaDelFont() {
    QFETCH(QStringList, fonts);
    QFETCH(QString, scelto);
    Stampa p;
    riempi(p.stato, 12);
    p.stampante.nomiFont = fonts;
    QCOMPARE(p.esegui(), !scelto.isEmpty());
    if (scelto.isEmpty()) {
        QCOMPARE(
            p.messaggi.mostrati,
            QStringList{QStringLiteral("Devi installare il font Courier o il font Courier New")});
        QVERIFY(p.stampante.scritte.empty());
        QCOMPARE(p.stampante.lavori, 0);
    } else {
        QVERIFY(p.messaggi.mostrati.isEmpty());
        for (const auto& s : p.stampante.scritte) {
            QCOMPARE(s.font, scelto);
        }
    }
}

// A full record would run over its own time lines and off the paper: it goes on on a new page.
void TestStampaElenco::novantaRigheSuDuePagine() {
    Stampa p;
    riempi(p.stato, 90);
    QVERIFY(p.esegui());
    QCOMPARE(p.stampante.lavori, 1);
    QVERIFY(p.stampante.pagine >= 2);
    QStringList tutte;
    for (const auto& s : p.stampante.scritte) {
        if (s.testo.startsWith(QLatin1String("Eser. n."))) {
            QCOMPARE(s.pagina, p.stampante.pagine);
            continue;
        }
        if (s.pagina > 1 && s.y < inizioRighe) {
            continue; // whose the page is: pagineSeguentiDiconoDiChiSono
        }
        tutte << s.testo;
        QVERIFY2(s.y + riga12 <= primoTempo,
                 qPrintable(QStringLiteral("%1 a %2").arg(s.testo).arg(s.y)));
    }
    // Every line once, in order, with its heading.
    QCOMPARE(tutte.size(), 2 + 3 + 90); // the header without a name is two texts
    QCOMPARE(tutte.indexOf(QStringLiteral("Esercizio n.3")) + 1,
             tutte.indexOf(p.stato.RigheStampa[21]));
    QCOMPARE(tutte.last(), p.stato.RigheStampa[90]);
    // The list goes on the second page where it started on the first, under the page's line.
    const auto seconda =
        std::find_if(p.stampante.scritte.begin(), p.stampante.scritte.end(),
                     [](const StampanteFinta::Scritta& s) { return s.pagina == 2; });
    QCOMPARE(std::next(seconda)->y, inizioRighe);
}

void TestStampaElenco::pagineSeguentiDiconoDiChiSono_data() {
    QTest::addColumn<int>("righe");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("chi");
    QTest::newRow("una pagina sola") << 30 << "Giulia"
                                     << "";
    QTest::newRow("novanta righe") << 90 << "Giulia"
                                   << "Nome Giulia";
    QTest::newRow("senza nome") << 60 << ""
                                << "Nome '...................";
}

// Sheets that come apart still say whose they are: every page after the first starts with a
// small line of the name, the date and its number among all of them; the first page has none.
void TestStampaElenco::pagineSeguentiDiconoDiChiSono() {
    QFETCH(int, righe);
    QFETCH(QString, nome);
    QFETCH(QString, chi);
    Stampa p;
    riempi(p.stato, righe);
    p.stato.NomeAlunno = nome;
    QVERIFY(p.esegui());
    QCOMPARE(p.stampante.pagine > 1, !chi.isEmpty());
    for (int pagina = 1; pagina <= p.stampante.pagine; ++pagina) {
        const auto prima =
            std::find_if(p.stampante.scritte.begin(), p.stampante.scritte.end(),
                         [pagina](const StampanteFinta::Scritta& s) { return s.pagina == pagina; });
        QVERIFY(prima != p.stampante.scritte.end());
        const QString atteso = QStringLiteral("%1    Data di stampa 08/12/2026    pagina %2 di %3")
                                   .arg(chi)
                                   .arg(pagina)
                                   .arg(p.stampante.pagine);
        QCOMPARE(prima->testo == atteso, pagina > 1);
        if (pagina > 1) {
            QVERIFY(prima->punti < 12 && !prima->grassetto && prima->y < inizioRighe);
            // The list itself goes on as before.
            QCOMPARE(std::next(prima)->punti, 12.0);
            QVERIFY(std::next(prima)->grassetto);
        }
    }
}

void TestStampaElenco::nomeScrittoENomeStampato_data() {
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QString>("stampato");
    const QString famiglia = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString bandiera = QStringLiteral("\U0001F1EE\U0001F1F9");
    QTest::newRow("quindici bandiere") << bandiera.repeated(15) << bandiera.repeated(15);
    QTest::newRow("quindici famiglie") << famiglia.repeated(15) << famiglia.left(5).repeated(15);
    QTest::newRow("una lettera di diecimila segni")
        << "a" + QString(10000, QChar(0x301)) << "a" + QString(3, QChar(0x301));
}

// A name as the box takes it, each character of four code points at most, is printed whole in
// the header of every page, and the header ends within the printable width, however wide the
// name's characters are (this printer's are as wide as their UTF-16 units).
void TestStampaElenco::nomeScrittoENomeStampato() {
    QFETCH(QString, scritto);
    QFETCH(QString, stampato);
    Stampa p;
    riempi(p.stato, 90);
    p.stato.NomeAlunno = nomeAmmesso(scritto);
    QCOMPARE(p.stato.NomeAlunno, stampato);
    QVERIFY(p.esegui());
    for (int pagina = 1; pagina <= p.stampante.pagine; ++pagina) {
        QString intestazione;
        for (const auto& s : p.stampante.scritte) {
            if (s.pagina == pagina && s.y < inizioRighe) {
                intestazione += s.testo;
                QVERIFY2(s.x + s.testo.size() * s.punti * 12 <= p.stampante.areaPagina.width(),
                         qPrintable(s.testo));
            }
        }
        QVERIFY2(intestazione.startsWith("Nome " + stampato + "    Data di stampa 08/12/2026"),
                 qPrintable(intestazione));
    }
}

// The real printer without a printer: a PDF whose numbers keep their columns.
void TestStampaElenco::pdfVero() {
    CartellaDiLavoro cartella;
    Stampa p;
    riempi(p.stato, 12);
    p.stato.NomeAlunno = QStringLiteral("Giulia");
    StampanteQt vera(p.messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    QVERIFY(StampaElenco(p.stato, vera, p.messaggi, p.orologio));
    const QString file = vera.ultimoFile();
    QVERIFY(file.startsWith(QLatin1String("veltrix-elenco-")));

    SALTA_SENZA_POPPLER();
    // Read at the pitch of a 12-point fixed-pitch face, every blank comes back.
    const QString testo = pdf::testo(cartella.percorso(file), 7.2);
    for (const QString& atteso :
         {QStringLiteral("Esercizio n.1"), QStringLiteral("Esercizio n.2"),
          p.stato.RigheStampa[3].trimmed(), p.stato.RigheStampa[12].trimmed(),
          QStringLiteral("Eser. n.1: Tempo tot.  41 secondi"),
          QStringLiteral("Eser. n.3: Tempo tot.  secondi")}) {
        QVERIFY2(testo.contains(atteso), qPrintable(atteso + QStringLiteral("\n") + testo));
    }
    QVERIFY2(testo.contains(QStringLiteral("Giulia")) &&
                 testo.contains(QStringLiteral("08/12/2026")),
             qPrintable(testo));
}

VELTRIX_TEST(TestStampaElenco)
#include "tst_stampaelenco.moc"
