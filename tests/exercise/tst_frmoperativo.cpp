// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/esercizi.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "exercise/frmoperativo.h"
#include "exercise/tastierino.h"
#include "widgets/colori.h"
#include "widgets/linea.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QTest>

namespace {
const QColor marrone(0x80, 0x40, 0x00);

void tasto(QWidget* f, int indice) {
    QTest::mousePress(f->findChild<QWidget*>(Tastierino::nomeTasto(indice)), Qt::LeftButton);
}

void scrivi(QWidget* f, const QString& numero) {
    for (QChar cifra : numero) {
        tasto(f, cifra.digitValue());
    }
}

void rispondi(QWidget* f, const QString& numero) {
    scrivi(f, numero);
    tasto(f, Tastierino::verifica);
}

QString giusta(const StatoCondiviso& s) {
    return s.TestoRisultato.trimmed();
}

QString sbagliata(const StatoCondiviso& s) {
    return QString::number(s.Risultato + 1);
}

// The panel in front, by name. It must be the only one shown: one behind it, though covered,
// would still be read out by a screen reader. Says so when it is not.
QString pannelloDavanti(FrmOperativo* f) {
    QStringList mostrati;
    QString davanti;
    for (QObject* figlio : f->centralWidget()->children()) {
        auto* pannello = qobject_cast<QFrame*>(figlio);
        if (pannello && pannello->objectName().startsWith(QLatin1String("fra")) &&
            pannello->objectName() != QLatin1String("fraElaborazione")) {
            davanti = pannello->objectName(); // children() lists the front-most last
            if (pannello->isVisibleTo(f)) {
                mostrati << davanti;
            }
        }
    }
    return mostrati == QStringList{davanti} ? davanti
                                            : QStringLiteral("mostrati: ") + mostrati.join(' ');
}
} // namespace

class TestFrmOperativo : public QObject {
    Q_OBJECT
private slots:
    void primaOperazione();
    void titoloPerOperazione_data();
    void titoloPerOperazione();
    void rispostaGiusta();
    void rispostaSbagliataCroceEAiuto();
    void siMostraLaCorrezione();
    void treRifiutiPortanoLIntervento();
    void noSulSecondoTermine();
    void menuVisualizzaEsercizio();
    void tempiConTetto();
    void ridimensionareRicominciaLaSerie();
    void crociSuEtichetteSpostate();
    void clicSulloSfondo();
    void livelloQuattro();
    void codiceSenzaEsercizi();
    void novantaOperazioniPoiBasta();
    void riaprireTieneIlRegistro();
    void esco_data();
    void esco();
    void annunciPerIlLettore_data();
    void annunciPerIlLettore();
};

void TestFrmOperativo::primaOperazione() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    QVERIFY(f);
    const StatoCondiviso& s = banco.programma->stato;
    QCOMPARE(testoDi(f, "lblRisultato1"), QStringLiteral("?"));
    QCOMPARE(coloreTesto(f->findChild<QLabel*>(QStringLiteral("lblRisultato1"))), marrone);
    QCOMPARE(testoDi(f, "LblSegno"), QStringLiteral("+"));
    QCOMPARE(testoDi(f, "LblUguale"), QStringLiteral("="));
    QCOMPARE(testoDi(f, "LblNumero1"), QString::number(s.TermineA));
    QCOMPARE(testoDi(f, "LblOperazione"), QStringLiteral("1"));
    QCOMPARE(testoDi(f, "LblTempoTotale"), QStringLiteral("0"));
    QCOMPARE(testoDi(f, "LblTempoParziale"), QString());
    QCOMPARE(testoDi(f, "lblRisEsatte"), QString());
    QCOMPARE(testoDi(f, "lblRisErrate"), QString());
    QCOMPARE(s.ContaOperazioni, qint16(1));
    QCOMPARE(testoDi(f, "Label1(0)"),
             QStringLiteral("Obiettivo n.1:     CALCOLO DEL RISULTATO   "));
    QCOMPARE(testoDi(f, "Label1(1)"), QStringLiteral("   Operazione:        veltrix"));
    QCOMPARE(testoDi(f, "Label1(2)"),
             QStringLiteral("Livello n.1:         NUMERO MASSIMO da  1 a 30   "));
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraTastierino"));
    QVERIFY(!s.RigheStampa[1].isEmpty());
}

void TestFrmOperativo::titoloPerOperazione_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("segno");
    QTest::newRow("addizioni") << 1 << "ESERCIZI SULLE ADDIZIONI.1"
                               << "+";
    QTest::newRow("sottrazioni") << 2 << "ESERCIZI SULLE SOTTRAZIONI.1"
                                 << "-";
    QTest::newRow("moltiplicazioni") << 3 << "ESERCIZI SULLE MOLTIPLICAZIONI.1"
                                     << "x";
}

void TestFrmOperativo::titoloPerOperazione() {
    QFETCH(int, operazione);
    QFETCH(QString, titolo);
    QFETCH(QString, segno);
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 1, qint16(operazione));
    QCOMPARE(f->windowTitle(), titolo);
    QCOMPARE(testoDi(f, "lblSegno1"), segno);
}

void TestFrmOperativo::rispostaGiusta() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    rispondi(f, giusta(s));
    QCOMPARE(testoDi(f, "LblEsito"), QStringLiteral("Esatto"));
    QCOMPARE(testoDi(f, "lblRisultato1"), giusta(s));
    QCOMPARE(testoDi(f, "lblRisEsatte"), QStringLiteral("1"));
    QVERIFY(s.RigheStampa[1].endsWith(giusta(s) + QStringLiteral("  ")));
    QVERIFY(!attivo(f, QStringLiteral("Option2(5)")));
    QVERIFY(attivo(f, Tastierino::nomeTasto(Tastierino::avanti)));
    tasto(f, Tastierino::avanti);
    QCOMPARE(testoDi(f, "LblOperazione"), QStringLiteral("2"));
    QCOMPARE(testoDi(f, "lblRisultato1"), QStringLiteral("?"));
    QCOMPARE(testoDi(f, "LblEsito"), QString());
}

void TestFrmOperativo::rispostaSbagliataCroceEAiuto() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    rispondi(f, sbagliata(s));
    QCOMPARE(testoDi(f, "LblEsito"), QStringLiteral("Errato"));
    QCOMPARE(testoDi(f, "lblRisErrate"), QStringLiteral("1"));
    QVERIFY(s.RigheStampa[1].endsWith(sbagliata(s) + QStringLiteral("* ")));
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(f->findChild<Linea*>(QStringLiteral("Line1(%1)").arg(k))->isVisibleTo(f), k == 3);
        QCOMPARE(f->findChild<Linea*>(QStringLiteral("Line2(%1)").arg(k))->isVisibleTo(f), k == 3);
    }
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraAiuto"));
    QVERIFY(!attivo(f, QStringLiteral("fraTastierino")));
    QVERIFY(attivo(f, QStringLiteral("fraAiuto")));
}

void TestFrmOperativo::siMostraLaCorrezione() {
    Banco banco;
    auto* f = apriEsercizi(banco, 1, 1); // level 2: a term is missing
    StatoCondiviso& s = banco.programma->stato;
    rispondi(f, sbagliata(s));
    QTest::mousePress(f->findChild<QWidget*>(QStringLiteral("Option3(0)")), Qt::LeftButton);
    auto* correzione = f->findChild<QLabel*>(QStringLiteral("lblCorrezione"));
    QCOMPARE(correzione->text(), s.TestoRisultato);
    const QStringList etichette{"lblRisultato1", "LblNumero1", "LblNumero2", "lblNumero3"};
    QCOMPARE(correzione->x(), f->findChild<QLabel*>(etichette[s.PosizioneMancante - 1])->x());
    QVERIFY(s.RigheStampa[1].endsWith(s.TestoRisultato + QStringLiteral("° ")));
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraTastierino"));
    QVERIFY(attivo(f, Tastierino::nomeTasto(Tastierino::avanti)));
    QVERIFY(!attivo(f, QStringLiteral("Option2(3)")));
}

void TestFrmOperativo::treRifiutiPortanoLIntervento() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    for (int rifiuto = 1; rifiuto <= 2; ++rifiuto) {
        rispondi(f, sbagliata(s));
        QTest::mousePress(f->findChild<QWidget*>(QStringLiteral("Option3(1)")), Qt::LeftButton);
        QCOMPARE(testoDi(f, "lblRisultato1"), QStringLiteral("?"));
        QCOMPARE(pannelloDavanti(f), QStringLiteral("fraTastierino"));
        QVERIFY(!f->findChild<Linea*>(QStringLiteral("Line1(3)"))->isVisibleTo(f));
    }
    rispondi(f, sbagliata(s));
    QTest::mousePress(f->findChild<QWidget*>(QStringLiteral("Option3(1)")), Qt::LeftButton);
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraIntervento"));
    QCOMPARE(s.RifiutiAiuto, qint16(0));
    QCOMPARE(s.RisposteErrate, qint16(3));
    QTest::mousePress(f->findChild<QWidget*>(QStringLiteral("optOK")), Qt::LeftButton);
    QCOMPARE(testoDi(f, "lblCorrezione"), s.TestoRisultato);
    QVERIFY(attivo(f, Tastierino::nomeTasto(Tastierino::avanti)));
}

void TestFrmOperativo::noSulSecondoTermine() {
    Banco banco;
    auto* f = apriEsercizi(banco, 1, 1);
    StatoCondiviso& s = banco.programma->stato;
    for (int i = 0; i < 60 && s.PosizioneMancante != 3; ++i) {
        rispondi(f, giusta(s));
        tasto(f, Tastierino::avanti);
    }
    QCOMPARE(s.PosizioneMancante, qint16(3));
    const QString risultato = testoDi(f, "lblRisultato1");
    rispondi(f, sbagliata(s));
    QVERIFY(f->findChild<Linea*>(QStringLiteral("Line1(1)"))->isVisibleTo(f));
    QTest::mousePress(f->findChild<QWidget*>(QStringLiteral("Option3(1)")), Qt::LeftButton);
    QCOMPARE(testoDi(f, "LblNumero2"), QStringLiteral("?"));
    QVERIFY(!f->findChild<Linea*>(QStringLiteral("Line1(1)"))->isVisibleTo(f));
    QCOMPARE(testoDi(f, "lblRisultato1"), risultato);
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraTastierino"));
    QCOMPARE(QApplication::focusWidget(), f->findChild<QWidget*>(QStringLiteral("Option2(1)")));
    rispondi(f, giusta(s));
    QCOMPARE(testoDi(f, "LblEsito"), QStringLiteral("Esatto"));
    QVERIFY(s.RigheStampa[s.ContaOperazioni].endsWith(QStringLiteral("* ") + giusta(s) +
                                                      QStringLiteral("  ")));
}

void TestFrmOperativo::menuVisualizzaEsercizio() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    rispondi(f, giusta(banco.programma->stato));
    f->findChild<QAction*>(QStringLiteral("mnuVisualizza"))->trigger();
    QVERIFY(banco.programma->finestre.caricata(Finestra::StampaEsercizio));
    QVERIFY(banco.programma->finestre.caricata(Finestra::Operativo));
    QCOMPARE(testoDi(f, "LblEsito"), QStringLiteral("Esatto"));
}

void TestFrmOperativo::tempiConTetto() {
    Banco banco;
    banco.orologio.secondi = 1000.0f;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    banco.orologio.secondi = 1150.5f;
    rispondi(f, giusta(s));
    QCOMPARE(testoDi(f, "LblTempoParziale"), QStringLiteral("99"));
    QCOMPARE(s.TempoTotale, 150);
    QCOMPARE(testoDi(f, "LblTempoTotale"), QStringLiteral(" 150"));
    tasto(f, Tastierino::avanti);
    banco.orologio.secondi = 2100.0f;
    rispondi(f, giusta(s));
    QCOMPARE(s.TempoTotale, 150 + 949);
    QCOMPARE(testoDi(f, "LblTempoTotale"), QStringLiteral("999"));
}

void TestFrmOperativo::ridimensionareRicominciaLaSerie() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    rispondi(f, giusta(s));
    tasto(f, Tastierino::avanti);
    rispondi(f, sbagliata(s));
    QCOMPARE(s.ContaOperazioni, qint16(2));
    f->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    f->resize(f->width() + 100, f->height());
    QTRY_COMPARE(s.ContaOperazioni, qint16(1));
    QCOMPARE(s.RisposteEsatte, qint16(0));
    QCOMPARE(s.RisposteErrate, qint16(0));
    QCOMPARE(testoDi(f, "LblOperazione"), QStringLiteral("1"));
    QCOMPARE(testoDi(f, "lblRisErrate"), QString());
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraTastierino"));
    QVERIFY(s.RigheStampa[2].isEmpty());
}

void TestFrmOperativo::crociSuEtichetteSpostate() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    auto* numero2 = f->findChild<QLabel*>(QStringLiteral("LblNumero2"));
    const QRect prima = numero2->geometry();
    QWidget* area = f->centralWidget();
    const QSize dimensione = area->size();
    f->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    f->resize(f->width() + dimensione.width(), f->height());
    QTRY_COMPARE(area->width(), dimensione.width() * 2);
    const QRect dopo = numero2->geometry();
    QVERIFY(dopo != prima); // the label moved: the crosses must follow it
    auto* linea1 = f->findChild<Linea*>(QStringLiteral("Line1(1)"));
    auto* linea2 = f->findChild<Linea*>(QStringLiteral("Line2(1)"));
    QCOMPARE(linea1->inizio(), dopo.topLeft());
    QCOMPARE(linea1->fine(), QPoint(dopo.x() + dopo.width(), dopo.y() + dopo.height()));
    QCOMPARE(linea2->inizio(), QPoint(dopo.x(), dopo.y() + dopo.height()));
    QCOMPARE(linea2->fine(), QPoint(dopo.x() + dopo.width(), dopo.y()));
}

void TestFrmOperativo::clicSulloSfondo() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    auto* statistiche = f->findChild<QWidget*>(QStringLiteral("fraElaborazione"));
    QWidget* area = f->centralWidget();
    const QPoint sfondo(area->width() - 3, area->height() - 3);
    QVERIFY(!area->childAt(sfondo));
    QTest::mouseClick(area, Qt::LeftButton, {}, sfondo);
    QVERIFY(!statistiche->isVisible());
    QTest::mouseClick(area, Qt::LeftButton, {}, sfondo);
    QVERIFY(statistiche->isVisible());
    // A click on a label is not a click on the background.
    QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("LblEsito")), Qt::LeftButton);
    QVERIFY(statistiche->isVisible());
}

void TestFrmOperativo::livelloQuattro() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 3);
    StatoCondiviso& s = banco.programma->stato;
    for (int i = 0; i < 30; ++i) {
        QVERIFY(s.PosizioneMancante >= 1 && s.PosizioneMancante <= 4);
        QCOMPARE(s.TermineA + s.TermineB + s.TermineC >= 10, true);
        rispondi(f, giusta(s));
        QCOMPARE(testoDi(f, "LblEsito"), QStringLiteral("Esatto"));
        tasto(f, Tastierino::avanti);
    }
}

void TestFrmOperativo::codiceSenzaEsercizi() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0, 5);
    StatoCondiviso& s = banco.programma->stato;
    QCOMPARE(
        testoDi(f, "lblNonDisponibile"),
        QStringLiteral("Esercizi disponibili solo per addizioni, sottrazioni e moltiplicazioni"));
    QVERIFY(f->findChild<QWidget*>(QStringLiteral("lblNonDisponibile"))->isVisible());
    QVERIFY(!f->findChild<QWidget*>(QStringLiteral("LblNumero1"))->isVisible());
    for (int i = 0; i < Tastierino::esco; ++i) {
        QVERIFY(!attivo(f, Tastierino::nomeTasto(i)));
    }
    QVERIFY(attivo(f, Tastierino::nomeTasto(Tastierino::esco)));
    QCOMPARE(s.ContaOperazioni, qint16(0));
    QVERIFY(s.RigheStampa[1].isEmpty());
    tasto(f, Tastierino::esco);
    QVERIFY(!banco.programma->finestre.caricata(Finestra::Operativo));
}

void TestFrmOperativo::novantaOperazioniPoiBasta() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    for (int i = 1; i <= 90; ++i) {
        QCOMPARE(s.ContaOperazioni, qint16(i));
        rispondi(f, giusta(s));
        tasto(f, Tastierino::avanti);
    }
    QCOMPARE(s.ContaOperazioni, qint16(90));
    QCOMPARE(s.RisposteEsatte, qint16(90));
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraAvviso"));
    QVERIFY(testoDi(f, "Label4(1)").startsWith(QStringLiteral("Serie finita: 90 operazioni.")));
    // "Ricomincia" starts over.
    QTest::mousePress(f->findChild<QWidget*>(QStringLiteral("optAvviso(1)")), Qt::LeftButton);
    QCOMPARE(s.ContaOperazioni, qint16(1));
    QCOMPARE(pannelloDavanti(f), QStringLiteral("fraTastierino"));
}

void TestFrmOperativo::riaprireTieneIlRegistro() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    rispondi(f, giusta(s));
    const QString riga = s.RigheStampa[1];
    f->close();
    QVERIFY(!banco.programma->finestre.caricata(Finestra::Operativo));
    QCOMPARE(s.RigheStampa[1], riga);
    QCOMPARE(s.ContaOperazioni, qint16(1));
    QVERIFY(banco.programma->finestre.caricata(Finestra::Inizio));
}

// A series that can be printed is not left at one touch: the warning offers to print it first.
void TestFrmOperativo::esco_data() {
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<QString>("scelta"); // on the warning, if it shows
    QTest::addColumn<bool>("chiusa");
    QTest::newRow("una operazione") << 1 << "" << true;
    QTest::newRow("nove") << 9 << "" << true;
    QTest::newRow("dieci, poi Esco") << 10 << "optUscita(1)" << true;
    QTest::newRow("dieci, poi Stampa") << 10 << "optUscita(0)" << false;
}

void TestFrmOperativo::esco() {
    QFETCH(int, operazioni);
    QFETCH(QString, scelta);
    QFETCH(bool, chiusa);
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    for (int i = 1; i <= operazioni; ++i) {
        if (i > 1) {
            tasto(f, Tastierino::avanti);
        }
        rispondi(f, giusta(banco.programma->stato));
    }
    tasto(f, Tastierino::esco);
    if (!scelta.isEmpty()) {
        QCOMPARE(pannelloDavanti(f), QStringLiteral("fraUscita"));
        QCOMPARE(testoDi(f, "lblUscita"), QStringLiteral("Se esci gli esercizi andranno persi"));
        QCOMPARE(nomeFuoco(), QStringLiteral("optUscita(0)"));
        QTest::mousePress(controllo(f, scelta), Qt::LeftButton);
    }
    QCOMPARE(!banco.programma->finestre.caricata(Finestra::Operativo), chiusa);
    QCOMPARE(banco.programma->finestre.caricata(Finestra::StampaEsercizio), !chiusa);
    QVERIFY(banco.programma->finestre.istanza(Finestra::Inizio)->isVisible());
}

// A screen reader is told the verdict and each new operation as they come, whatever has the
// focus: the window's notification says it (the real-X test hears it spoken). The terms are read
// back from the series, so the sentence is the row really shown.
void TestFrmOperativo::annunciPerIlLettore_data() {
    QTest::addColumn<int>("operazione");
    // g right, s wrong, a "Avanti"; h "SI", n "NO" on the help panel, which has the focus then;
    // o "OK" of the intervention
    QTest::addColumn<QString>("passi");
    // On opening, then after each step; {a} {b} {c} the terms, {t} their sum.
    QTest::addColumn<QStringList>("detti");
    QTest::newRow("addizione") << 1 << "ga"
                               << QStringList{"{a} più {b} più {c} uguale ?", "Esatto",
                                              "{a} più {b} più {c} uguale ?"};
    QTest::newRow("moltiplicazione") << 3 << "sh"
                                     << QStringList{"{a} per {b} per {c} uguale ?",
                                                    "Errato. Ti aiuto ?", "Risposta giusta: {r}"};
    QTest::newRow("intervento") << 1 << "snsnsno" << QStringList{"{a} più {b} più {c} uguale ?",
                                                                 "Errato. Ti aiuto ?",
                                                                 "Errato. Ti aiuto ?",
                                                                 "Errato. Ti aiuto ?",
                                                                 "Errato. Ti aiuto ?",
                                                                 "Errato. Ti aiuto ?",
                                                                 "Intervengo io",
                                                                 "Risposta giusta: {r}"};
    QTest::newRow("sottrazione") << 2 << "" << QStringList{"{t} meno {b} meno {c} uguale ?"};
}

void TestFrmOperativo::annunciPerIlLettore() {
    QFETCH(int, operazione);
    QFETCH(QString, passi);
    QFETCH(QStringList, detti);
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0, qint16(operazione));
    QVERIFY(f);
    StatoCondiviso& s = banco.programma->stato;
    QAccessibleInterface* annuncio =
        QAccessible::queryAccessibleInterface(f->findChild<QWidget*>(QStringLiteral("annuncio")));
    QVERIFY(annuncio);
    QCOMPARE(annuncio->role(), QAccessible::Notification);
    const auto atteso = [&s](QString detto) {
        const int totale = s.TermineA + s.TermineB + s.TermineC;
        return detto.replace("{a}", QString::number(s.TermineA))
            .replace("{b}", QString::number(s.TermineB))
            .replace("{c}", QString::number(s.TermineC))
            .replace("{t}", QString::number(totale))
            .replace("{r}", s.TestoRisultato.trimmed());
    };
    const QMap<QChar, QString> pulsanti{{'h', "Option3(0)"}, {'n', "Option3(1)"}, {'o', "optOK"}};
    QCOMPARE(annuncio->text(QAccessible::Name), atteso(detti[0]));
    for (int i = 0; i < passi.size(); ++i) {
        if (passi[i] == QLatin1Char('a')) {
            tasto(f, Tastierino::avanti);
        } else if (pulsanti.contains(passi[i])) {
            if (passi[i] != QLatin1Char('o')) {
                QCOMPARE(nomeFuoco(), QStringLiteral("Option3(0)"));
            }
            premi(f, pulsanti[passi[i]]);
        } else {
            rispondi(f, passi[i] == QLatin1Char('g') ? giusta(s) : sbagliata(s));
        }
        QCOMPARE(annuncio->text(QAccessible::Name), atteso(detti[i + 1]));
    }
}

VELTRIX_TEST(TestFrmOperativo)
#include "tst_frmoperativo.moc"
