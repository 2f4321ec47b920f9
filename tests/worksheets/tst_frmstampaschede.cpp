// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/esercizi.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "exercise/frmoperativo.h"
#include "printouts/disegnoattestato.h"
#include "rules/scelte.h"
#include "worksheets/frmstampaschede.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {
FrmStampaSchede* apri(Banco& banco, qint16 operazione = 1) {
    banco.programma->stato.Operazione = operazione;
    scegliObiettivo(banco.programma->stato, 0); // "CALCOLO DEL RISULTATO", as the start window
    banco.programma->finestre.apri(Finestra::StampaSchede);
    auto* f = banco.finestra<FrmStampaSchede>(Finestra::StampaSchede);
    return inPrimoPiano(f);
}

QStringList righeSulloSchermo(QWidget* f) {
    QStringList righe;
    for (int k = 1; k <= 60; ++k) {
        righe << testoDi(f, QStringLiteral("LblOp(%1)").arg(k));
    }
    return righe;
}

QStringList righe(const RigheDa1a90& tabella) {
    QStringList r;
    for (int k = 1; k <= 60; ++k) {
        r << tabella[static_cast<size_t>(k)];
    }
    return r;
}

bool visibile(QWidget* f, const QString& nome) {
    return controllo(f, nome)->isVisible();
}
} // namespace

class TestFrmStampaSchede : public QObject {
    Q_OBJECT
private slots:
    void titoloPerOperazione_data();
    void titoloPerOperazione();
    void ordineDiLavoro();
    void docentiDopoAlunniStessaScheda();
    void obiettivoSvuotaLivelloNo();
    void cancellaNascondeLeStampe();
    void laSchedaNonToccaIlRegistroDellAlunno();
    void esciChiude();
    void righeMancanti_data();
    void righeMancanti();
    void sceltaDaTastiera_data();
    void sceltaDaTastiera();
};

void TestFrmStampaSchede::titoloPerOperazione_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("1") << 1 << "ADDIZIONI";
    QTest::newRow("2") << 2 << "SOTTRAZIONI";
    QTest::newRow("3") << 3 << "ADDIZIONI - SOTTRAZIONI";
    QTest::newRow("4") << 4 << "MOLTIPLICAZIONI";
    QTest::newRow("5") << 5 << "DIVISIONI";
    QTest::newRow("6") << 6 << "MOLTIPLICAZIONI - DIVISIONI";
    QTest::newRow("7") << 7 << "ADDIZIONI - SOTTRAZIONI - MOLTIPLICAZIONI - DIVISIONI";
    QTest::newRow("fuori") << 9 << "STAMPA SCHEDE";
}

void TestFrmStampaSchede::titoloPerOperazione() {
    QFETCH(int, operazione);
    QFETCH(QString, titolo);
    Banco banco;
    auto* f = apri(banco, static_cast<qint16>(operazione));
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), titolo);
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("CALCOLO DEL RISULTATO"));
    QCOMPARE(banco.programma->stato.RigheScheda, qint16(60));
    // Nothing is shown at load, though a sheet is drawn.
    QCOMPARE(righeSulloSchermo(f).join(QString()), QString());
}

// Level, pupils' sheet, teachers' sheet: each step opens the next.
void TestFrmStampaSchede::ordineDiLavoro() {
    Banco banco;
    auto* f = apri(banco);
    QVERIFY(f);
    QVERIFY(attivo(f, QStringLiteral("fraLivelli")));
    QVERIFY(!attivo(f, QStringLiteral("fraAlunni")));
    QVERIFY(!attivo(f, QStringLiteral("fraDocenti")));
    QVERIFY(!visibile(f, QStringLiteral("CmdStampaAlunni")));

    premi(f, QStringLiteral("Option3(1)"));
    const StatoCondiviso& s = banco.programma->stato;
    QCOMPARE(s.Livello, qint16(2));
    QCOMPARE(s.DescrizioneLivello, QStringLiteral("NUMERO MASSIMO da  30 a 60"));
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("  - Livello:  2  NUMERO MASSIMO da  30 a 60"));
    QVERIFY(attivo(f, QStringLiteral("fraAlunni")));
    QVERIFY(!attivo(f, QStringLiteral("fraDocenti")));

    premi(f, QStringLiteral("CmdSchedaAlunni"));
    QCOMPARE(righeSulloSchermo(f), righe(s.RigheAlunni));
    QCOMPARE(righe(s.RigheSchedaMostrata), righe(s.RigheAlunni));
    QVERIFY(attivo(f, QStringLiteral("fraDocenti")));
    QCOMPARE(QApplication::focusWidget(), controllo(f, QStringLiteral("CmdSchedaDocenti")));
    QVERIFY(visibile(f, QStringLiteral("CmdStampaAlunni")));
    QVERIFY(visibile(f, QStringLiteral("CmdStampaDocenti")));

    const QStringList prima = righe(s.RigheAlunni);
    premi(f, QStringLiteral("CmdSchedaAlunni"));
    QVERIFY(righe(s.RigheAlunni) != prima); // a second pupils' sheet is a new one
}

void TestFrmStampaSchede::docentiDopoAlunniStessaScheda() {
    Banco banco;
    auto* f = apri(banco);
    QVERIFY(f);
    premi(f, QStringLiteral("Option3(0)"));
    premi(f, QStringLiteral("CmdSchedaAlunni"));
    const StatoCondiviso& s = banco.programma->stato;
    const QStringList alunni = righe(s.RigheAlunni);
    premi(f, QStringLiteral("CmdSchedaDocenti"));
    QCOMPARE(righe(s.RigheAlunni), alunni);
    QCOMPARE(righeSulloSchermo(f), righe(s.RigheDocenti));
    QCOMPARE(righe(s.RigheSchedaMostrata), righe(s.RigheDocenti));

    premi(f, QStringLiteral("CmdStampaDocenti"));
    QCOMPARE(banco.stampante.documenti, QStringList{QStringLiteral("scheda-docenti")});
    QCOMPARE(s.TipoStampa, qint16(2));
    premi(f, QStringLiteral("CmdStampaAlunni"));
    QCOMPARE(s.TipoStampa, qint16(1));
    // The pupils' copy of the sheet on screen, never with its answers.
    const auto& ultima = banco.stampante.scritte.at(banco.stampante.scritte.size() - 2);
    QCOMPARE(ultima.testo, s.RigheAlunni[60]);
    QCOMPARE(ultima.punti, 12.0);
}

void TestFrmStampaSchede::obiettivoSvuotaLivelloNo() {
    Banco banco;
    auto* f = apri(banco);
    QVERIFY(f);
    premi(f, QStringLiteral("Option3(0)"));
    premi(f, QStringLiteral("CmdSchedaAlunni"));
    const QStringList mostrate = righeSulloSchermo(f);
    premi(f, QStringLiteral("Option3(2)"));
    QCOMPARE(righeSulloSchermo(f), mostrate);

    premi(f, QStringLiteral("Option1(2)"));
    const StatoCondiviso& s = banco.programma->stato;
    QCOMPARE(righeSulloSchermo(f).join(QString()), QString());
    QCOMPARE(righe(s.RigheAlunni).join(QString()) + righe(s.RigheDocenti).join(QString()),
             QString());
    QCOMPARE(s.TipoMin, qint16(2));
    QCOMPARE(s.TipoMax, qint16(4));
    QCOMPARE(
        f->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
        QStringLiteral("  -  CALCOLO DI UN TERMINE  - Livello:  3  NUMERO MASSIMO da  60 a 99"));
    QCOMPARE(QApplication::focusWidget(), controllo(f, QStringLiteral("Option1(1)")));

    // The sheet printed now says which objective it was built for.
    premi(f, QStringLiteral("Option3(2)"));
    premi(f, QStringLiteral("CmdSchedaAlunni"));
    premi(f, QStringLiteral("CmdStampaAlunni"));
    QCOMPARE(banco.stampante.scritte.at(1).testo, QStringLiteral("CALCOLO DI UN TERMINE"));
    QCOMPARE(banco.stampante.scritte.back().testo, QStringLiteral("CALCOLO DI UN TERMINE"));
}

void TestFrmStampaSchede::cancellaNascondeLeStampe() {
    Banco banco;
    auto* f = apri(banco);
    QVERIFY(f);
    premi(f, QStringLiteral("Option3(3)"));
    premi(f, QStringLiteral("CmdSchedaAlunni"));
    const StatoCondiviso& s = banco.programma->stato;
    const QStringList mostrate = righe(s.RigheSchedaMostrata);
    premi(f, QStringLiteral("CmdRicomincia"));
    QVERIFY(!visibile(f, QStringLiteral("CmdStampaAlunni")));
    QVERIFY(!visibile(f, QStringLiteral("CmdStampaDocenti")));
    QCOMPARE(righeSulloSchermo(f).join(QString()), QString());
    QCOMPARE(righe(s.RigheSchedaMostrata), mostrate);
    controllo(f, QStringLiteral("CmdSchedaDocenti"))->setFocus();
    QVERIFY(visibile(f, QStringLiteral("CmdStampaDocenti")));
    QVERIFY(!visibile(f, QStringLiteral("CmdStampaAlunni")));
    premi(f, QStringLiteral("CmdStampaDocenti"));
    QCOMPARE(banco.stampante.scritte.at(2).testo, mostrate.first());
}

// A teacher preparing a sheet of another objective and level during a pupil's series leaves the
// pupil's record, operations and certificate as they were; the sheet keeps its objective when the
// window reopens, and its level reaches the pupil's next series.
void TestFrmStampaSchede::laSchedaNonToccaIlRegistroDellAlunno() {
    Banco banco;
    StatoCondiviso& s = banco.programma->stato;
    QWidget* esercizi = apriEsercizi(banco, 0, 0);
    QVERIFY(esercizi);
    auto* f = apri(banco);
    QVERIFY(f);
    premi(f, QStringLiteral("Option1(2)"));
    premi(f, QStringLiteral("Option3(2)"));
    for (int i = 0; i < 20; ++i) {
        s.Risposta = s.TestoRisultato.trimmed();
        premi(esercizi, QStringLiteral("Option2(11)")); // "Verifica", then "Avanti"
        premi(esercizi, QStringLiteral("Option2(12)"));
        QVERIFY2(s.TermineA + s.TermineB + s.TermineC <= 40, "drawn for the teacher's level");
    }
    const QString livelloUno = QStringLiteral("Livello n.1:         NUMERO MASSIMO da  1 a 30   ");
    QCOMPARE(testoDi(esercizi, "Label1(2)"), livelloUno);
    const RigheDa1a90 registro = s.RigheStampa;
    premi(f, QStringLiteral("CmdSchedaAlunni"));
    premi(f, QStringLiteral("CmdSchedaDocenti"));
    premi(f, QStringLiteral("CmdStampaDocenti"));
    QVERIFY(s.RigheStampa == registro);
    QCOMPARE(banco.stampante.scritte.back().testo, QStringLiteral("CALCOLO DI UN TERMINE"));
    const auto certificato = righeAttestato(s, QStringLiteral("01/02/2026"), Qt::black);
    QCOMPARE(certificato.at(12).testo, QStringLiteral("CALCOLO DEL RISULTATO"));
    QCOMPARE(certificato.at(14).testo, QStringLiteral("NUMERO MASSIMO da  1 a 30"));

    // The next series is the first to take the teacher's level.
    banco.programma->finestre.chiudi(Finestra::Operativo);
    premi(banco.finestra<QWidget>(Finestra::Inizio), QStringLiteral("Option3(0)"));
    QCOMPARE(testoDi(banco.finestra<QWidget>(Finestra::Operativo), "Label1(2)"),
             QStringLiteral("Livello n.3:         NUMERO MASSIMO da  60 a 99   "));

    premi(f, QStringLiteral("Command1"));
    banco.programma->finestre.apri(Finestra::StampaSchede);
    f = banco.finestra<FrmStampaSchede>(Finestra::StampaSchede);
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("CALCOLO DI UN TERMINE"));
}

void TestFrmStampaSchede::esciChiude() {
    Banco banco;
    auto* f = apri(banco);
    QVERIFY(f);
    premi(f, QStringLiteral("Option3(0)"));
    premi(f, QStringLiteral("Command1"));
    QVERIFY(!banco.programma->finestre.caricata(Finestra::StampaSchede));
    QCOMPARE(banco.programma->stato.Livello, qint16(1)); // the choice outlasts the window
}

// A sheet with lines missing says so on screen; one with no line is not printed, and says why.
void TestFrmStampaSchede::righeMancanti_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("tipoMax");    // from 1, as the start window's objectives; 0 none chosen
    QTest::addColumn<QString>("avviso"); // a pattern
    QTest::addColumn<int>("lavori");
    QTest::newRow("moltiplicazioni, segno compreso") << 4 << 12 << "^$" << 1;
    QTest::newRow("tutte, segno compreso")
        << 7 << 12
        << "^Mancano [1-5]?[0-9] righe su 60: addizioni e sottrazioni hanno righe solo dei tipi "
           "da 1 a 4, l'obiettivo chiede i tipi da 1 a 12\\.$"
        << 1;
    QTest::newRow("nessun obiettivo")
        << 1 << 0 << "^Nessuna riga: non è stato scelto nessun obiettivo\\.$" << 0;
    QTest::newRow("codice senza schede")
        << 9 << 4
        << "^Nessuna riga: il codice di operazione 9 non ha schede \\(hanno schede i codici da 1 a "
           "7\\)\\.$"
        << 0;
}

void TestFrmStampaSchede::righeMancanti() {
    QFETCH(int, operazione);
    QFETCH(int, tipoMax);
    QFETCH(QString, avviso);
    QFETCH(int, lavori);
    Banco banco;
    auto* f = apri(banco, qint16(operazione));
    QVERIFY(f);
    StatoCondiviso& s = banco.programma->stato;
    s.TipoMin = qint16(qMin(tipoMax, 1));
    s.TipoMax = qint16(tipoMax);
    premi(f, QStringLiteral("Option3(0)"));
    premi(f, QStringLiteral("CmdSchedaAlunni"));
    QVERIFY2(QRegularExpression(avviso).match(testoDi(f, "lblAvvisoScheda")).hasMatch(),
             qPrintable(testoDi(f, "lblAvvisoScheda")));
    controllo(f, QStringLiteral("CmdStampaAlunni"))->setFocus();
    premi(f, QStringLiteral("CmdStampaAlunni"));
    QCOMPARE(banco.stampante.lavori, lavori);
    const QString perche = testoDi(f, "lblAvvisoScheda").section(QStringLiteral(": "), 1);
    QCOMPARE(banco.messaggi.mostrati,
             lavori ? QStringList()
                    : QStringList{QStringLiteral("Nessuna riga da stampare: ") + perche});
}

// Both rows of choices are wired to the keyboard: a choice's digit, then Enter, does what a
// press on it does. How a row answers each key is the row's own test.
void TestFrmStampaSchede::sceltaDaTastiera_data() {
    QTest::addColumn<QString>("da");
    QTest::addColumn<int>("cifra");
    QTest::addColumn<QString>("fuoco");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QString>("obiettivo");
    QTest::newRow("ultimo obiettivo") << "Option1(1)" << 3 << "Option1(1)" << 0
                                      << "CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE";
    QTest::newRow("ultimo livello")
        << "Option3(0)" << 4 << "Option3(3)" << 4 << "CALCOLO DEL RISULTATO";
}

void TestFrmStampaSchede::sceltaDaTastiera() {
    QFETCH(QString, da);
    QFETCH(int, cifra);
    QFETCH(QString, fuoco);
    QFETCH(int, livello);
    QFETCH(QString, obiettivo);
    Banco banco;
    auto* f = apri(banco);
    QVERIFY(f);
    banco.programma->stato.Livello = 0;
    controllo(f, da)->setFocus();
    premi(Qt::Key(Qt::Key_0 + cifra));
    premi(Qt::Key_Return);
    // Choosing an objective puts the focus back on the first one.
    QCOMPARE(nomeFuoco(), fuoco);
    QCOMPARE(banco.programma->stato.Livello, qint16(livello));
    QCOMPARE(banco.programma->stato.ObiettivoScheda, obiettivo);
    QCOMPARE(attivo(f, QStringLiteral("fraAlunni")), livello > 0);
}

VELTRIX_TEST(TestFrmStampaSchede)
#include "tst_frmstampaschede.moc"
