// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messaggiqt.h"
#include "app/stampanteqt.h"
#include "comune/file.h"
#include "comune/finti.h"
#include "comune/pdf.h"
#include "comune/registro.h"
#include "platform/immagine.h"
#include "widgets/accessibile.h"
#include "widgets/annuncio.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

// Read at the pitch of a fixed-pitch face of 10 points, every blank comes back.
constexpr double passo10 = 6;

class TestStampante : public QObject {
    Q_OBJECT
private slots:
    void offreCourierAPassoFisso();
    void lineaEPosizione();
    void scriveUnPdfQuandoNonCeStampante();
    void dueLavoriNelloStessoSecondoNonSiSovrascrivono();
    void lavoroFallitoLoDice();
    void soloFileNuovi_data();
    void codaDellaStampante_data();
    void codaDellaStampante();
    void soloFileNuovi();
    void nessunLavoroSenzaNienteDaStampare();
    void avvisoCheSiChiudeDaSe();
};

void TestStampante::offreCourierAPassoFisso() {
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    const QStringList fonts = stampante.fonts();
    QVERIFY(fonts.contains(QStringLiteral("Courier New")));
    QVERIFY(fonts.indexOf(QStringLiteral("Courier New")) <
                fonts.indexOf(QStringLiteral("Courier")) ||
            !fonts.contains(QStringLiteral("Courier")));
}

// The record lines line numbers up with blanks: every character must be as wide as a blank.
void TestStampante::lineaEPosizione() {
    CartellaDiLavoro cartella;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    stampante.impostaFont(QStringLiteral("Courier New"));
    stampante.impostaDimensione(12);
    double larghezze[3];
    const QString testi[3] = {QStringLiteral("     "), QStringLiteral("11111"),
                              QStringLiteral("MMMMM")};
    for (int i = 0; i < 3; ++i) {
        stampante.impostaX(1000);
        stampante.impostaY(2000);
        stampante.stampa(testi[i], false);
        larghezze[i] = stampante.x() - 1000;
        QCOMPARE(stampante.y(), 2000.0);
    }
    QVERIFY(larghezze[0] > 500);
    QCOMPARE(qRound(larghezze[1]), qRound(larghezze[0]));
    QCOMPARE(qRound(larghezze[2]), qRound(larghezze[0]));

    stampante.stampa(QStringLiteral("riga"));
    QCOMPARE(stampante.x(), 0.0);
    // One line of a 12-point font: a little more than its 240 twips.
    QVERIFY(stampante.y() > 2000 + 240 && stampante.y() < 2000 + 400);
    QVERIFY(stampante.fineDocumento());
}

void TestStampante::scriveUnPdfQuandoNonCeStampante() {
    CartellaDiLavoro cartella;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("sottrazioni"),
                          StampanteQt::Destinazione::FilePdf);
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.impostaFont(QStringLiteral("Courier New"));
    stampante.impostaDimensione(10);
    stampante.impostaX(1000);
    stampante.impostaY(1000);
    stampante.stampa(QStringLiteral("Nome Niccolò    Data di stampa 08/12/2026"));
    stampante.impostaX(1000);
    stampante.stampa(QStringLiteral(" 12 +  3 = 15  "));
    QVERIFY(stampante.fineDocumento());

    const QString file = stampante.ultimoFile();
    QVERIFY2(QRegularExpression(QStringLiteral("^sottrazioni-elenco-\\d{8}-\\d{6}\\.pdf$"))
                 .match(file)
                 .hasMatch(),
             qPrintable(file));
    // By its whole path: the teacher has to find it outside the program.
    QCOMPARE(
        messaggi.mostrati,
        QStringList{
            QStringLiteral("Nessuna stampante installata: il documento è stato salvato nel file ") +
            QDir::toNativeSeparators(cartella.percorso(file))});
    SALTA_SENZA_POPPLER();
    const QString testo = pdf::testo(cartella.percorso(file), passo10);
    QVERIFY2(testo.contains(QStringLiteral("Nome Niccolò    Data di stampa 08/12/2026")),
             qPrintable(testo));
    QVERIFY2(testo.contains(QStringLiteral(" 12 +  3 = 15")), qPrintable(testo));
}

void TestStampante::dueLavoriNelloStessoSecondoNonSiSovrascrivono() {
    CartellaDiLavoro cartella;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    QSet<QString> file;
    for (const QString& testo : {QStringLiteral("primo"), QStringLiteral("secondo")}) {
        stampante.iniziaDocumento(QStringLiteral("attestato"));
        stampante.stampa(testo);
        Immagine immagine;
        immagine.dimensioni = QSize(200, 100);
        immagine.testi.push_back({testo + QStringLiteral(" disegnato"),
                                  QFont(QStringLiteral("Arial"), 8), Qt::red, QPointF(10, 20)});
        stampante.disegnaImmagine(immagine, QRectF(1000, 100, 3000, 1500));
        QVERIFY(stampante.fineDocumento());
        file << stampante.ultimoFile();
        // Each file holds its own job; read only where poppler's tools run.
        QVERIFY(!pdf::leggibile() || pdf::testo(cartella.percorso(stampante.ultimoFile()), passo10)
                                         .contains(testo + QStringLiteral(" disegnato")));
    }
    QCOMPARE(file.size(), 2);
}

// A directory that no longer exists stops even root from writing there, and the job must not
// land anywhere else instead, the root directory least of all.
void TestStampante::lavoroFallitoLoDice() {
    // A program name of its own, so that no other program's files in / confuse the check.
    const auto inRadice = [] {
        return QDir::root().entryList({QStringLiteral("senzacartella-*")}, QDir::AllEntries);
    };
    const QStringList primaInRadice = inRadice();
    CartellaDiLavoro cartella;
    QDir(cartella.percorso(QString())).mkdir(QStringLiteral("sparita"));
    QDir::setCurrent(cartella.percorso(QStringLiteral("sparita")));
    if (!QDir(cartella.percorso(QString())).rmdir(QStringLiteral("sparita"))) {
        QSKIP("questo sistema (Windows) non lascia cancellare la cartella corrente");
    }
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("senzacartella"),
                          StampanteQt::Destinazione::FilePdf);
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.impostaX(1000);
    stampante.stampa(QStringLiteral("riga"));
    stampante.aCapo();
    QVERIFY(!stampante.fineDocumento());
    QCOMPARE(messaggi.mostrati.size(), 1);
    QVERIFY2(messaggi.mostrati[0].startsWith(QStringLiteral("Stampa non riuscita: ")),
             qPrintable(messaggi.mostrati[0]));
    QCOMPARE(stampante.ultimoFile(), QString());
    QCOMPARE(inRadice(), primaInRadice);
}

void TestStampante::soloFileNuovi_data() {
    QTest::addColumn<QStringList>("occupati"); // the name, then the name with "-2"
    QTest::addColumn<QString>("fine");         // of the PDF's name
    QTest::newRow("nome libero") << QStringList{} << "-\\d{6}\\.pdf$";
    QTest::newRow("un file") << QStringList{"file"} << "-2\\.pdf$";
    QTest::newRow("un link pendente") << QStringList{"pendente"} << "-2\\.pdf$";
    QTest::newRow("un link a un file") << QStringList{"link"} << "-2\\.pdf$";
    QTest::newRow("link e file") << QStringList{"pendente", "file"} << "-3\\.pdf$";
}

// Whatever already has the name a PDF would get is left as it is, a link above all: the PDF
// is a file of its own under the next free name, and nothing is written through the link.
void TestStampante::soloFileNuovi() {
    QFETCH(QStringList, occupati);
    QFETCH(QString, fine);
    CartellaDiLavoro cartella;
    QDir().mkdir(QStringLiteral("altrove"));
    const QDateTime ora = QDateTime::currentDateTime();
    // The job may start a few seconds later: its name is taken for each of them.
    for (int secondi = 0; secondi < 4; ++secondi) {
        const QString base = QStringLiteral("veltrix-elenco-") +
                             ora.addSecs(secondi).toString(QStringLiteral("yyyyMMdd-HHmmss"));
        for (int i = 0; i < occupati.size(); ++i) {
            const QString nome = base + (i == 0 ? QString() : QStringLiteral("-%1").arg(i + 1));
            const QString bersaglio = QStringLiteral("altrove/%1").arg(nome);
            if (occupati[i] != QLatin1String("pendente")) {
                QFile vecchio(occupati[i] == QLatin1String("file") ? nome + ".pdf" : bersaglio);
                QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
            }
            if (occupati[i] != QLatin1String("file")) {
                QVERIFY(QFile::link(QDir::current().absoluteFilePath(bersaglio), nome + ".pdf"));
            }
        }
    }
    const QStringList prima = QDir(QStringLiteral("altrove")).entryList(QDir::Files);
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.stampa(QStringLiteral("riga"));
    QVERIFY(stampante.fineDocumento());

    const QString file = stampante.ultimoFile();
    QVERIFY2(QRegularExpression(fine).match(file).hasMatch(), qPrintable(file));
    QVERIFY(!QFileInfo(file).isSymLink());
    SALTA_SENZA_POPPLER();
    QVERIFY(pdf::testo(file, passo10).contains(QStringLiteral("riga")));
    QCOMPARE(QDir(QStringLiteral("altrove")).entryList(QDir::Files), prima);
    for (const QFileInfo& vecchio : QDir(QStringLiteral("altrove")).entryInfoList(QDir::Files) +
                                        QDir().entryInfoList({"*.pdf"}, QDir::Files)) {
        QFile f(vecchio.filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll() == "vecchio", vecchio.fileName() != file);
    }
}

void TestStampante::codaDellaStampante_data() {
    using S = CodaStampa::Stato;
    QTest::addColumn<bool>("accetta");
    QTest::addColumn<QString>("rifiuto");
    QTest::addColumn<int>("lavoro");
    QTest::addColumn<int>("stato");
    QTest::addColumn<QString>("detto"); // after "Stampa non riuscita: "; empty: nothing said
    QTest::newRow("in coda") << true << "" << 7 << int(S::InCorso) << "";
    QTest::newRow("già stampato") << true << "" << 7 << int(S::Completato) << "";
    QTest::newRow("stato ignoto") << true << "" << 7 << int(S::Sconosciuto) << "";
    QTest::newRow("non accetta lavori")
        << false << "Rejecting Jobs" << 7 << int(S::InCorso)
        << "la stampante aula non accetta il lavoro (Rejecting Jobs).";
    QTest::newRow("non accetta, senza motivo")
        << false << "" << 7 << int(S::InCorso) << "la stampante aula non accetta il lavoro.";
    QTest::newRow("lavoro respinto") << true << "" << 0 << int(S::InCorso)
                                     << "la stampante aula ha rifiutato il lavoro (perché sì).";
    QTest::newRow("annullato") << true << "" << 7 << int(S::Annullato)
                               << "il lavoro 7 è stato annullato (perché sì).";
    QTest::newRow("interrotto") << true << "" << 7 << int(S::Interrotto)
                                << "il lavoro 7 è stato interrotto (perché sì).";
}

// With a printer the job goes to its queue from memory, never through a file; a queue that does
// not take it, or throws it away at once, is said like any failed job.
void TestStampante::codaDellaStampante() {
    QFETCH(bool, accetta);
    QFETCH(QString, rifiuto);
    QFETCH(int, lavoro);
    QFETCH(int, stato);
    QFETCH(QString, detto);
    CartellaDiLavoro cartella;
    auto coda = std::make_unique<CodaFinta>();
    CodaFinta& finta = *coda;
    if (!accetta) {
        finta.rifiuto = rifiuto;
    }
    finta.invio = {lavoro, QStringLiteral("perché sì")};
    finta.stato = {CodaStampa::Stato(stato), QStringLiteral("perché sì")};
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"),
                          StampanteQt::Destinazione::Automatica, std::move(coda));
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.stampa(QStringLiteral("riga"));
    QCOMPARE(stampante.fineDocumento(), detto.isEmpty());

    QCOMPARE(messaggi.mostrati,
             detto.isEmpty() ? QStringList() : QStringList{"Stampa non riuscita: " + detto});
    QCOMPARE(messaggi.avvisati,
             detto.isEmpty() ? QStringList{"Stampa inviata a aula"} : QStringList());
    QCOMPARE(finta.ricevuti.size(), accetta ? 1 : 0);
    if (!finta.ricevuti.isEmpty()) {
        QVERIFY(finta.ricevuti[0].startsWith("%PDF") && finta.ricevuti[0].contains("%%EOF"));
    }
    QCOMPARE(stampante.ultimoFile(), QString());
    QCOMPARE(QDir::current().entryList(QDir::Files), QStringList());
}

void TestStampante::nessunLavoroSenzaNienteDaStampare() {
    CartellaDiLavoro cartella;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    QVERIFY(stampante.fineDocumento());
    QVERIFY(messaggi.mostrati.isEmpty());
    QVERIFY(QDir::current().entryList(QDir::Files).isEmpty());
}

// "Stampa inviata" needs no answer: a label over the window in front, which nothing has to close
// and which goes by itself, and a notification a screen reader speaks wherever the focus is.
void TestStampante::avvisoCheSiChiudeDaSe() {
    installaAccessibilita();
    QWidget finestra;
    finestra.show();
    QApplication::setActiveWindow(&finestra);
    MessaggiQt messaggi(QStringLiteral("veltrix"));
    messaggi.avvisa(QStringLiteral("Stampa inviata a aula"));
    auto* avviso = finestra.findChild<QLabel*>(QStringLiteral("avviso"));
    QVERIFY(avviso && avviso->isVisible() && avviso->text() == "Stampa inviata a aula");
    QAccessibleInterface* letto =
        QAccessible::queryAccessibleInterface(avviso->findChild<Annuncio*>());
    QVERIFY(letto && letto->role() == QAccessible::Notification &&
            letto->text(QAccessible::Name) == avviso->text());
    QTRY_VERIFY_WITH_TIMEOUT(!finestra.findChild<QLabel*>(QStringLiteral("avviso")),
                             MessaggiQt::durataAvviso + 2000);
}

VELTRIX_TEST(TestStampante)
#include "tst_stampante.moc"
