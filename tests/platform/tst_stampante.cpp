#include "comune/finti.h"
#include "comune/registro.h"
#include "platform/immagine.h"
#include "platform/stampanteqt.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Read with the pitch of a fixed-pitch face of 10 points, so that every blank comes back.
QString testoDelPdf(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-fixed"), QStringLiteral("6"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Runs in a directory of its own, the one where a job without printer leaves its file.
class Cartella {
public:
    Cartella() : precedente(QDir::currentPath()) { QDir::setCurrent(temporanea.path()); }
    ~Cartella() { QDir::setCurrent(precedente); }
    QString percorso(const QString& nome) const { return temporanea.filePath(nome); }
    QTemporaryDir temporanea;

private:
    QString precedente;
};
} // namespace

class TestStampante : public QObject {
    Q_OBJECT
private slots:
    void offreCourierAPassoFisso();
    void lineaEPosizione();
    void scriveUnPdfQuandoNonCeStampante();
    void dueLavoriNelloStessoSecondoNonSiSovrascrivono();
    void lavoroFallitoLoDice();
    void nessunLavoroSenzaNienteDaStampare();
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
    Cartella cartella;
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
    Cartella cartella;
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
    QCOMPARE(
        messaggi.mostrati,
        QStringList{
            QStringLiteral("Nessuna stampante installata: il documento è stato salvato nel file ") +
            file});
    const QString testo = testoDelPdf(cartella.percorso(file));
    QVERIFY2(testo.contains(QStringLiteral("Nome Niccolò    Data di stampa 08/12/2026")),
             qPrintable(testo));
    QVERIFY2(testo.contains(QStringLiteral(" 12 +  3 = 15")), qPrintable(testo));
}

void TestStampante::dueLavoriNelloStessoSecondoNonSiSovrascrivono() {
    Cartella cartella;
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
        QVERIFY(testoDelPdf(cartella.percorso(stampante.ultimoFile()))
                    .contains(testo + QStringLiteral(" disegnato")));
    }
    QCOMPARE(file.size(), 2);
}

// A directory that no longer exists stops even root from writing there.
void TestStampante::lavoroFallitoLoDice() {
    Cartella cartella;
    QDir(cartella.percorso(QString())).mkdir(QStringLiteral("sparita"));
    QDir::setCurrent(cartella.percorso(QStringLiteral("sparita")));
    QDir(cartella.percorso(QString())).rmdir(QStringLiteral("sparita"));
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    stampante.iniziaDocumento(QStringLiteral("elenco"));
    stampante.impostaX(1000);
    stampante.stampa(QStringLiteral("riga"));
    stampante.aCapo();
    QVERIFY(!stampante.fineDocumento());
    QCOMPARE(messaggi.mostrati.size(), 1);
    QVERIFY2(messaggi.mostrati[0].startsWith(QStringLiteral("Stampa non riuscita: ")),
             qPrintable(messaggi.mostrati[0]));
    QCOMPARE(stampante.ultimoFile(), QString());
}

void TestStampante::nessunLavoroSenzaNienteDaStampare() {
    Cartella cartella;
    MessaggiFinti messaggi;
    StampanteQt stampante(messaggi, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    QVERIFY(stampante.fineDocumento());
    QVERIFY(messaggi.mostrati.isEmpty());
    QVERIFY(QDir::current().entryList(QDir::Files).isEmpty());
}

VELTRIX_TEST(TestStampante)
#include "tst_stampante.moc"
