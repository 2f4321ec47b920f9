// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stampanteqt.h"
#include "comune/banco.h"
#include "comune/documenti.h"
#include "comune/guida.h"
#include "comune/pdf.h"
#include "comune/registro.h"
#include "reports/figuraattestato.h"
#include "reports/frmattestato.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTest>

namespace {
const QColor rosso(0xFF, 0x00, 0x00);

// Opened as the list window opens it; the test may wait for the window to be on screen, or go on
// at once, before its drawing has begun.
FrmAttestato* apri(Banco& banco, qint16 operazioni, qint16 esatte,
                   const QString& nome = QStringLiteral("Marta"), bool aspetta = true) {
    documenti::preparaSerie(banco.programma->stato, operazioni, esatte, nome);
    auto* f = qobject_cast<FrmAttestato*>(banco.programma->finestre.apri(Finestra::Attestato));
    if (!f || (aspetta && !QTest::qWaitForWindowExposed(f))) {
        return nullptr;
    }
    QApplication::setActiveWindow(f);
    return f;
}

FiguraAttestato* figura(QWidget* f) {
    return f->findChild<FiguraAttestato*>(QStringLiteral("Picture1"));
}

PulsanteOpzione* scelta(QWidget* f, int i) {
    return f->findChild<PulsanteOpzione*>(QStringLiteral("Option5(%1)").arg(i));
}

QStringList disegnati(const FiguraAttestato* picture) {
    QStringList testi;
    for (const Immagine::Testo& t : picture->immagine().testi) {
        testi << t.testo;
    }
    return testi;
}

int pixelRossi(const QImage& immagine) {
    int rossi = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            const QColor c = immagine.pixelColor(x, y);
            rossi += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    }
    return rossi;
}

// Handles events one pass at a time until the given number of lines is drawn, so the test
// stops in the middle of the drawing however slow the machine is.
bool aspettaRighe(const FiguraAttestato* picture, std::size_t righe) {
    QDeadlineTimer scadenza(5000);
    while (picture->righeDisegnate() < righe && !scadenza.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return picture->righeDisegnate() == righe;
}

bool finestreVisibili() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            return true;
        }
    }
    return false;
}
} // namespace

class TestFrmAttestato : public QObject {
    Q_OBJECT
private slots:
    void valutazioneEStampabilita_data();
    void valutazioneEStampabilita();
    void messaggioSuPiuRighe();
    void nome_data();
    void nome();
    void nomeDelProgramma();
    void disegnoRigaPerRiga();
    void chiusaDuranteIlDisegno();
    void immaginePersistente();
    void disposizione();
    void coloriECaratteri();
    void immagineRifattaNellaFiguraPiuGrande();
    void stampa();
    void stampaSegueLaGrandezzaDellImmagine();
    void stampaConSerieRicominciata();
    void riapertaRicalcola();
    void sceltaDaTastiera_data();
    void sceltaDaTastiera();
    void pdfVero();
};

void TestFrmAttestato::valutazioneEStampabilita_data() {
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<int>("esatte");
    QTest::addColumn<QString>("valutazione");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<bool>("stampabile");
    QTest::addColumn<bool>("messaggio");
    QTest::addColumn<QString>("riga21");

    const QString stampa = QStringLiteral("STAMPA L'ATTESTATO");
    const QString non = QStringLiteral("ATTESTATO NON STAMPABILE");
    QTest::newRow("20 operazioni, 17 esatte") << 20 << 17 << "DISTINTO" << stampa << true << false
                                              << "con 17 risposte esatte su 20 richieste";
    QTest::newRow("10 operazioni, 5 esatte") << 10 << 5 << "SUFFICIENTE (!)" << stampa << true
                                             << false << "con 5 risposte esatte su 10 richieste";
    QTest::newRow("10 operazioni, 4 esatte") << 10 << 4 << "Non classificato" << non << false
                                             << false << "con 4 risposte esatte su 10 richieste";
    QTest::newRow("9 operazioni, 9 esatte")
        << 9 << 9 << "OTTIMO" << stampa << false << true << "con 9 risposte esatte su 9 richieste";
    QTest::newRow("11 presentate, 10 esatte") << 11 << 10 << "OTTIMO" << stampa << true << false
                                              << "con 10 risposte esatte su 11 richieste";
    QTest::newRow("5 operazioni, 1 esatta") << 5 << 1 << "Non classificato" << non << false << true
                                            << "con 1 risposte esatte su 5 richieste";
    QTest::newRow("nessuna operazione") << 0 << 0 << "Non classificato" << non << false << true
                                        << "con 0 risposte esatte su 0 richieste";
}

// Every case is graded and drawn in full, and only a printable one reaches the printer.
void TestFrmAttestato::valutazioneEStampabilita() {
    QFETCH(int, operazioni);
    QFETCH(int, esatte);
    QFETCH(QString, valutazione);
    QFETCH(QString, didascalia);
    QFETCH(bool, stampabile);
    QFETCH(bool, messaggio);
    QFETCH(QString, riga21);
    Banco banco;
    auto* f = apri(banco, qint16(operazioni), qint16(esatte));
    QVERIFY(f);
    QCOMPARE(banco.programma->stato.Valutazione, valutazione);
    QCOMPARE(scelta(f, 0)->text(), didascalia);
    QCOMPARE(scelta(f, 0)->isEnabled(), stampabile);
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty(), !messaggio);

    QTRY_VERIFY(figura(f)->completa());
    const QStringList testi = disegnati(figura(f));
    QCOMPARE(testi.size(), 11);
    QCOMPARE(testi[8], valutazione);
    QCOMPARE(testi[9], riga21);

    QTest::mousePress(scelta(f, 0), Qt::LeftButton);
    QCOMPARE(banco.stampante.lavori, stampabile ? 1 : 0);
    QVERIFY(banco.messaggi.mostrati.isEmpty());
}

void TestFrmAttestato::messaggioSuPiuRighe() {
    Banco banco;
    auto* f = apri(banco, 9, 9);
    auto* Label1 = f->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(Label1->text().split(QLatin1Char('\n')),
             QStringList({"Per stampare un attestato ", "", "è necessario eseguire ", "",
                          "almeno 10 operazioni. "}));
}

void TestFrmAttestato::nome_data() {
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QString>("attestato");
    QTest::newRow("maiuscole") << "MARCO"
                               << "MARCO";
    QTest::newRow("miste") << "mArCo"
                           << "MArCo";
    QTest::newRow("accentata") << "èlia"
                               << "Èlia";
    QTest::newRow("vuoto") << ""
                           << "";
}

// The name is drawn as rewritten and stays so in the shared state; an empty name leaves its
// line blank and the rest of the certificate in place.
void TestFrmAttestato::nome() {
    QFETCH(QString, scritto);
    QFETCH(QString, attestato);
    Banco banco;
    auto* f = apri(banco, 20, 17, scritto);
    QVERIFY(f);
    QCOMPARE(banco.programma->stato.NomeAlunno, attestato);
    QTRY_VERIFY(figura(f)->completa());
    QCOMPARE(figura(f)->righe()[6].testo, attestato);
    const QStringList testi = disegnati(figura(f));
    QCOMPARE(testi.contains(attestato), !attestato.isEmpty());
    QCOMPARE(testi.size(), attestato.isEmpty() ? 10 : 11);
    QCOMPARE(testi.back(), QStringLiteral("Data  08/12/2026"));
    scelta(f, 1)->setFocus();
    QTest::mousePress(scelta(f, 1), Qt::LeftButton);
    QVERIFY(!banco.programma->finestre.caricata(Finestra::Attestato));
    QCOMPARE(banco.programma->stato.NomeAlunno, attestato);
}

void TestFrmAttestato::nomeDelProgramma() {
    Banco banco(QStringLiteral("sottrazioni"));
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    QTRY_VERIFY(figura(f)->completa());
    QCOMPARE(banco.programma->stato.NomeProgrammaAttestato, QStringLiteral("sottrazioni"));
    QCOMPARE(disegnati(figura(f))[4], QStringLiteral("sottrazioni"));
}

// The window is on screen before the first line, and is painted again after each one.
void TestFrmAttestato::disegnoRigaPerRiga() {
    Banco banco;
    documenti::preparaSerie(banco.programma->stato, 20, 17, QStringLiteral("Marta"));
    auto* f = banco.finestra<FrmAttestato>(Finestra::Attestato);
    QVERIFY(f);
    std::vector<std::size_t> dipinte;
    std::vector<std::size_t> allaComparsa;
    class Spia : public QObject {
    public:
        Spia(std::function<void(QEvent*)> nota) : nota(std::move(nota)) {}
        bool eventFilter(QObject*, QEvent* e) override {
            nota(e);
            return false;
        }
        std::function<void(QEvent*)> nota;
    };
    FiguraAttestato* picture = figura(f);
    Spia spia([&](QEvent* e) {
        if (e->type() == QEvent::Paint) {
            dipinte.push_back(picture->righeDisegnate());
        } else if (e->type() == QEvent::Show) {
            allaComparsa.push_back(picture->righeDisegnate());
        }
    });
    picture->installEventFilter(&spia);
    QCOMPARE(picture->righeDisegnate(), std::size_t(0));
    banco.programma->finestre.apri(Finestra::Attestato);
    QTRY_VERIFY(picture->completa());
    QTest::qWait(50);
    picture->removeEventFilter(&spia);

    QCOMPARE(allaComparsa, std::vector<std::size_t>{0});
    QVERIFY(!dipinte.empty());
    QCOMPARE(dipinte.back(), std::size_t(24));
    QVERIFY(std::is_sorted(dipinte.begin(), dipinte.end()));
    std::vector<std::size_t> diverse = dipinte;
    diverse.erase(std::unique(diverse.begin(), diverse.end()), diverse.end());
    // Seen building up: most of the lines were on screen on their own before the next came.
    QVERIFY2(diverse.size() >= 12, qPrintable(QString::number(diverse.size())));
}

void TestFrmAttestato::chiusaDuranteIlDisegno() {
    Banco banco;
    auto* f = apri(banco, 20, 17, QStringLiteral("Marta"), false);
    QVERIFY(f);
    QPointer<FiguraAttestato> picture = figura(f);
    QVERIFY(aspettaRighe(picture, 4));
    QTest::mousePress(scelta(f, 1), Qt::LeftButton);
    QVERIFY(!banco.programma->finestre.caricata(Finestra::Attestato));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!picture);
    QTest::qWait(200);

    // Opened again, it draws afresh from the first line.
    auto* di_nuovo = apri(banco, 20, 17, QStringLiteral("Marta"), false);
    QVERIFY(di_nuovo);
    QCOMPARE(figura(di_nuovo)->righeDisegnate(), std::size_t(0));
    QTRY_VERIFY(figura(di_nuovo)->completa());
}

// The picture is painted from the lines it keeps: covered and uncovered it shows them again.
void TestFrmAttestato::immaginePersistente() {
    Banco banco;
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    QTRY_VERIFY(figura(f)->completa());
    const QImage prima = figura(f)->grab().toImage();
    QVERIFY(pixelRossi(prima) > 100);
    f->hide();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QCOMPARE(figura(f)->grab().toImage(), prima);

    FiguraAttestato vuota;
    vuota.resize(figura(f)->size());
    vuota.impostaRighe(figura(f)->righe());
    QCOMPARE(pixelRossi(vuota.grab().toImage()), 0);
    vuota.disegnaTutte();
    QCOMPARE(vuota.grab().toImage(), prima);
}

// At the designed size: the picture, the message beside it and the frame of choices below it,
// all inside the window and none over another; the choices inside their frame, one under the
// other in their order.
void TestFrmAttestato::disposizione() {
    Banco banco;
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    QVERIFY(f->windowState().testFlag(Qt::WindowMaximized));
    f->setWindowState(Qt::WindowNoState);
    const QSize progetto(twipInPixel(11910, f), twipInPixel(8340, f));
    f->resize(progetto);
    QTRY_COMPARE(f->centralWidget()->size(), progetto);
    const QRect immagine = figura(f)->geometry();
    const QRect messaggio = controllo(f, QStringLiteral("Label1"))->geometry();
    const QRect cornice = controllo(f, QStringLiteral("Frame4"))->geometry();
    for (const QRect& r : {immagine, messaggio, cornice}) {
        QVERIFY(f->centralWidget()->rect().contains(r));
    }
    QVERIFY(messaggio.left() > immagine.right());
    QVERIFY(cornice.top() > immagine.bottom() && !cornice.intersects(messaggio));
    for (int i = 0; i < 3; ++i) {
        const QRect g = scelta(f, i)->geometry();
        QVERIFY(QRect(QPoint(), cornice.size()).contains(g));
        QVERIFY(i == 0 || g.top() > scelta(f, i - 1)->geometry().bottom());
    }
}

void TestFrmAttestato::coloriECaratteri() {
    Banco banco;
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    QCOMPARE(coloreSfondo(f->centralWidget()), QColor(0xFF, 0xC0, 0xFF));
    QCOMPARE(coloreSfondo(f->findChild<QWidget*>(QStringLiteral("Frame4"))),
             QColor(0xFF, 0xC0, 0xFF));
    QCOMPARE(coloreSfondo(figura(f)), QColor(0xC0, 0xFF, 0xFF));
    QCOMPARE(figura(f)->immagine().sfondo, QColor(0xC0, 0xFF, 0xFF));
    auto* Label1 = f->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(coloreTesto(Label1), rosso);
    QCOMPARE(Label1->font().family(), famigliaDisponibile(QStringLiteral("MS Sans Serif")));
    QCOMPARE(Label1->font().pointSizeF(), 12.0);
    QVERIFY(Label1->font().bold());
    scelta(f, 1)->setFocus();
    for (int i = 0; i < 3; ++i) {
        PulsanteOpzione* p = scelta(f, i);
        QCOMPARE(coloreTesto(p), QColor(0x00, 0x00, 0xC0));
        QCOMPARE(coloreSfondo(p), i == 1 ? QColor(0xFF, 0xC0, 0x80) : QColor(0xFF, 0xE0, 0xC0));
        QCOMPARE(p->font().family(), famigliaDisponibile(QStringLiteral("Arial")));
        QCOMPARE(p->font().pointSizeF(), 12.0);
        QVERIFY(p->font().bold());
    }
}

// In a larger window the certificate is laid out again in the larger picture, whole.
void TestFrmAttestato::immagineRifattaNellaFiguraPiuGrande() {
    Banco banco;
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    QTRY_VERIFY(figura(f)->completa());
    f->setWindowState(Qt::WindowNoState);
    const QSize progetto(twipInPixel(11910, f), twipInPixel(8340, f));
    f->resize(progetto * 2);
    QTRY_COMPARE(f->centralWidget()->size(), progetto * 2);
    const Immagine& immagine = figura(f)->immagine();
    QCOMPARE(immagine.dimensioni, figura(f)->contentsRect().size());
    QCOMPARE(immagine.testi.size(), std::size_t(11));
    QCOMPARE(immagine.testi[0].font.pointSizeF(), 20.0);
}

void TestFrmAttestato::stampa() {
    Banco banco;
    auto* f = apri(banco, 20, 17, QStringLiteral("Marta"), false);
    QVERIFY(f);
    // Asked for before the drawing is done: the printer gets the whole certificate.
    QVERIFY(aspettaRighe(figura(f), 9));
    QTest::mousePress(scelta(f, 0), Qt::LeftButton);
    QVERIFY(figura(f)->completa());
    const StampanteFinta& stampante = banco.stampante;
    QCOMPARE(stampante.documenti, QStringList{QStringLiteral("attestato")});
    QCOMPARE(stampante.lavori, 1);
    QCOMPARE(stampante.scritte.size(), std::size_t(1));
    QCOMPARE(stampante.scritte[0].testo, QString());
    QCOMPARE(stampante.immagini.size(), std::size_t(1));
    const QSize interno = figura(f)->contentsRect().size();
    // The picture fits the paper: its own size, centred across.
    const double larghezza = pixelInTwip(interno.width(), f);
    QCOMPARE(stampante.immagini[0].twip, QRectF((stampante.areaPagina.width() - larghezza) / 2, 100,
                                                larghezza, pixelInTwip(interno.height(), f)));
    // The lines on screen, laid out again for the printed box.
    const Immagine& stampata = stampante.immagini[0].immagine;
    QCOMPARE(stampata.dimensioni, interno);
    QCOMPARE(stampata.dpi, double(f->logicalDpiX()));
    QCOMPARE(stampata.testi.size(), std::size_t(11));
    for (std::size_t i = 0; i < stampata.testi.size(); ++i) {
        const Immagine::Testo& t = stampata.testi[i];
        const Immagine::Testo& sulloSchermo = figura(f)->immagine().testi[i];
        QCOMPARE(t.testo, sulloSchermo.testo);
        QCOMPARE(t.font.family(), sulloSchermo.font.family());
        QCOMPARE(t.font.bold(), sulloSchermo.font.bold());
        QCOMPARE(t.colore, sulloSchermo.colore);
        QVERIFY(QRectF(QPointF(), stampata.dimensioni).contains(t.posizione));
    }
    QVERIFY(banco.messaggi.mostrati.isEmpty());
    QVERIFY(banco.programma->finestre.caricata(Finestra::Attestato));
}

void TestFrmAttestato::stampaSegueLaGrandezzaDellImmagine() {
    Banco banco;
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    f->setWindowState(Qt::WindowNoState);
    const QSize progetto(twipInPixel(11910, f), twipInPixel(8340, f));
    for (const QSize& grandezza : {progetto, progetto * 3 / 2}) {
        f->resize(grandezza);
        QTRY_COMPARE(f->centralWidget()->size(), grandezza);
        const std::size_t prima = banco.stampante.immagini.size();
        QTest::mousePress(scelta(f, 0), Qt::LeftButton);
        QCOMPARE(banco.stampante.immagini.size(), prima + 1);
        const QSize interno = figura(f)->contentsRect().size();
        const QRectF twip = banco.stampante.immagini.back().twip;
        QCOMPARE(twip.size(),
                 QSizeF(pixelInTwip(interno.width(), f), pixelInTwip(interno.height(), f)));
        QCOMPARE(banco.stampante.immagini.back().immagine.dimensioni, interno);
    }
    QCOMPARE(banco.stampante.lavori, 2);
    QVERIFY(banco.stampante.immagini[1].twip.width() > banco.stampante.immagini[0].twip.width());
}

// A new series begun in the exercise window after the certificate was opened: the print is
// refused as for too few operations.
void TestFrmAttestato::stampaConSerieRicominciata() {
    Banco banco;
    auto* f = apri(banco, 12, 12);
    QVERIFY(f);
    QVERIFY(scelta(f, 0)->isEnabled());
    banco.programma->stato.ContaOperazioni = 3;
    QTest::mousePress(scelta(f, 0), Qt::LeftButton);
    QCOMPARE(banco.messaggi.mostrati, QStringList{QStringLiteral("Esegui almeno 10 operazioni. ")});
    QVERIFY(!scelta(f, 0)->isEnabled());
    QCOMPARE(banco.stampante.lavori, 0);
    QVERIFY(banco.stampante.immagini.empty());
}

void TestFrmAttestato::riapertaRicalcola() {
    Banco banco;
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    QCOMPARE(banco.programma->stato.Valutazione, QStringLiteral("DISTINTO"));
    f->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f = apri(banco, 10, 4);
    QVERIFY(f);
    QCOMPARE(banco.programma->stato.Valutazione, QStringLiteral("Non classificato"));
    QCOMPARE(scelta(f, 0)->text(), QStringLiteral("ATTESTATO NON STAMPABILE"));
    QTRY_VERIFY(figura(f)->completa());
    QCOMPARE(disegnati(figura(f))[8], QStringLiteral("Non classificato"));
}

// The row of choices is wired to the keyboard: a choice's digit, then Enter, does what a press
// on it does. How the row answers each key is the row's own test.
void TestFrmAttestato::sceltaDaTastiera_data() {
    QTest::addColumn<int>("cifra");
    QTest::addColumn<bool>("tastierino");
    QTest::addColumn<int>("lavori");
    QTest::addColumn<bool>("attestato"); // still open
    QTest::addColumn<bool>("elenco");    // still open
    QTest::newRow("1 stampa") << 1 << false << 1 << true << true;
    QTest::newRow("2 torna all'elenco") << 2 << true << 0 << false << true;
    QTest::newRow("3 finisce la sessione") << 3 << false << 0 << false << false;
}

void TestFrmAttestato::sceltaDaTastiera() {
    QFETCH(int, cifra);
    QFETCH(bool, tastierino);
    QFETCH(int, lavori);
    QFETCH(bool, attestato);
    QFETCH(bool, elenco);
    Banco banco;
    banco.programma->avvia();
    banco.programma->finestre.apri(Finestra::StampaEsercizio);
    auto* f = apri(banco, 20, 17);
    QVERIFY(f);
    scelta(f, cifra % 3)->setFocus();
    const Qt::KeyboardModifiers dove = tastierino ? Qt::KeypadModifier : Qt::NoModifier;
    premi(Qt::Key(Qt::Key_0 + cifra), dove);
    QCOMPARE(nomeFuoco(), QStringLiteral("Option5(%1)").arg(cifra - 1));
    premi(tastierino ? Qt::Key_Enter : Qt::Key_Return, dove);
    QCOMPARE(banco.stampante.lavori, lavori);
    QCOMPARE(banco.programma->finestre.caricata(Finestra::Attestato), attestato);
    QCOMPARE(banco.programma->finestre.caricata(Finestra::StampaEsercizio), elenco);
    QCOMPARE(banco.programma->finestre.caricata(Finestra::Inizio), elenco);
    QCOMPARE(finestreVisibili(), elenco);
}

// Through the real printer, written as a PDF: the texts are on the page as text, in the
// printer's own resolution, not as a picture of the screen.
void TestFrmAttestato::pdfVero() {
    MessaggiFinti detti;
    StampanteQt stampante(detti, QStringLiteral("veltrix"), StampanteQt::Destinazione::FilePdf);
    Banco banco(QStringLiteral("veltrix"), &stampante);
    auto* f = apri(banco, 20, 17, QStringLiteral("NICCOLÒ"));
    QVERIFY(f);
    QTest::mousePress(scelta(f, 0), Qt::LeftButton);
    const QString file = banco.percorso(stampante.ultimoFile());
    QCOMPARE(detti.mostrati.size(), 1);
    SALTA_SENZA_POPPLER();
    const QString testo = pdf::testo(file).simplified();
    for (const char* atteso :
         {"DIPLOMA DI MERITO", "RILASCIATO A", "NICCOLÒ", "veltrix", "DISTINTO",
          "con 17 risposte esatte su 20 richieste", "Data 08/12/2026"}) {
        QVERIFY2(testo.contains(QString::fromUtf8(atteso)), qPrintable(testo));
    }
    QProcess immagini;
    immagini.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
    QVERIFY(immagini.waitForFinished(30000));
    // Only the two heading lines: no picture of the screen on the page.
    QCOMPARE(QString::fromUtf8(immagini.readAllStandardOutput()).trimmed().count('\n'), 1);
}

VELTRIX_TEST(TestFrmAttestato)
#include "tst_frmattestato.moc"
