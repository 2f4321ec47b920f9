// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/esercizi.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "exercise/frmoperativo.h"
#include "exercise/tastierino.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {
QWidget* tasto(QWidget* f, int i) {
    return controllo(f, Tastierino::nomeTasto(i));
}

QString risultato(QWidget* f) {
    return f->findChild<QLabel*>(QStringLiteral("lblRisultato1"))->text();
}

void digita(const QString& numero, Qt::KeyboardModifiers m = Qt::NoModifier) {
    for (QChar c : numero) {
        premi(Qt::Key(Qt::Key_0 + c.digitValue()), m);
    }
}

} // namespace

class TestTastiera : public QObject {
    Q_OBJECT
private slots:
    void cifreECancella();
    void tastierinoNumericoNonSpostaIlFuoco();
    void tastoTenutoEntraUnaVolta();
    void tastoTenutoDalSistema_data();
    void tastoTenutoDalSistema();
    void lettereSpostanoIlFuoco();
    void spazioGiraTraIPulsanti();
    void aiutoDaTastiera();
    void dieciOperazioniSoloTastiera();
    void avvisoDallaVentesima();
};

void TestTastiera::cifreECancella() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    QVERIFY(f);
    tasto(f, 1)->setFocus();
    digita(QStringLiteral("42"));
    QCOMPARE(risultato(f), QStringLiteral("42"));
    QCOMPARE(banco.programma->stato.Risposta, QStringLiteral("42"));
    digita(QStringLiteral("123"));
    QCOMPARE(risultato(f), QStringLiteral("4212"));
    for (int i = 0; i < 4; ++i) {
        premi(i % 2 ? Qt::Key_C : Qt::Key_Backspace);
    }
    QCOMPARE(risultato(f), QStringLiteral("?"));
    premi(Qt::Key_Backspace);
    QCOMPARE(banco.programma->stato.Risposta, QStringLiteral("?"));
    digita(QStringLiteral("7"), Qt::KeypadModifier);
    QCOMPARE(risultato(f), QStringLiteral("7"));
    QCOMPARE(nomeFuoco(), QStringLiteral("Option2(1)"));
}

void TestTastiera::tastierinoNumericoNonSpostaIlFuoco() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    tasto(f, Tastierino::cancella)->setFocus();
    premi(Qt::Key_8, Qt::KeypadModifier);
    QCOMPARE(risultato(f), QStringLiteral("8"));
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::cancella));
    // Other keys are discarded.
    premi(Qt::Key_X);
    premi(Qt::Key_Plus);
    QCOMPARE(risultato(f), QStringLiteral("8"));
}

// A held key repeats its press, and on X11 a release marked as a repeat before each one.
void TestTastiera::tastoTenutoEntraUnaVolta() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    QWidget* uno = tasto(f, 1);
    uno->setFocus();
    tieni(Qt::Key_7, QStringLiteral("7"), 5);
    QCOMPARE(risultato(f), QStringLiteral("7"));
    premi(Qt::Key_7);
    QCOMPARE(risultato(f), QStringLiteral("77"));
}

// X11 sends a held key's repeats as release and press pairs with one timestamp, and the toolkit
// marks many of them as repeats, but not all.
void TestTastiera::tastoTenutoDalSistema_data() {
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("ripetizioni non segnate")
        << "+7@10 -7@500 +7@500 -7@533 +7@533 -7@566r +7@566r -7@900"
        << "7";
    QTest::newRow("tastierino") << "+k4@10 -k4@500 +k4@500 -k4@533r +k4@533r -k4@900"
                                << "4";
    // A screen reader listening: the window gets copies without timestamps, each a little late.
    QTest::newRow("lettore di schermo in ascolto")
        << "+7@10c -7@500c +7@500c -7@533c +7@533c -7@566c +7@566c -7@900c"
        << "7";
    QTest::newRow("due pressioni vere") << "+7@10 -7@100 +7@300 -7@400"
                                        << "77";
    QTest::newRow("Backspace tenuto")
        << "+1@10 -1@20 +2@30 -2@40 +B@50 -B@550 +B@550 -B@583 +B@583 -B@900"
        << "1";
    QTest::newRow("Invio tenuto sul tasto 1") << "+E@10 -E@500 +E@500 -E@533 +E@533 -E@900"
                                              << "1";
    QTest::newRow("rilascio perso, poi una pressione vera")
        << "+7@10 +7@500 +7@533 -7@900 +8@1000 -8@1100"
        << "78";
}

void TestTastiera::tastoTenutoDalSistema() {
    QFETCH(QString, sequenza);
    QFETCH(QString, atteso);
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    QVERIFY(f);
    tasto(f, 1)->setFocus();
    sequenzaDalSistema(f, sequenza);
    QCOMPARE(risultato(f), atteso);
}

void TestTastiera::lettereSpostanoIlFuoco() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    tasto(f, 1)->setFocus();
    digita(s.TestoRisultato.trimmed());
    premi(Qt::Key_V);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::verifica));
    premi(Qt::Key_Return);
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("LblEsito"))->text(), QStringLiteral("Esatto"));
    // After the answer "Verifica" is off: V does nothing, A reaches "Avanti".
    premi(Qt::Key_E);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::esco));
    premi(Qt::Key_V);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::esco));
    premi(Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::avanti));
    premi(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s.ContaOperazioni, qint16(2));
    QCOMPARE(nomeFuoco(), QStringLiteral("Option2(1)"));
}

void TestTastiera::spazioGiraTraIPulsanti() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    // The first operation is laid out before the window is on screen, so its keypad could not
    // take the focus and kept "Avanti" and "Esco" on: the table is for the operations after it.
    QTest::mousePress(tasto(f, Tastierino::avanti), Qt::LeftButton);
    tasto(f, 9)->setFocus();
    premi(Qt::Key_Space);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::cancella));
    tasto(f, Tastierino::verifica)->setFocus();
    premi(Qt::Key_Space);
    QCOMPARE(nomeFuoco(), QStringLiteral("Option2(0)"));
    tasto(f, 1)->setFocus();
    digita(banco.programma->stato.TestoRisultato.trimmed());
    premi(Qt::Key_V);
    premi(Qt::Key_Return);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::avanti));
    premi(Qt::Key_Space);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::esco));
    premi(Qt::Key_Space);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::avanti));
}

void TestTastiera::aiutoDaTastiera() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    tasto(f, 1)->setFocus();
    digita(QString::number(s.Risultato + 1));
    premi(Qt::Key_V);
    premi(Qt::Key_Return);
    controllo(f, QStringLiteral("Option3(0)"))->setFocus();
    premi(Qt::Key_Space);
    QCOMPARE(nomeFuoco(), QStringLiteral("Option3(1)"));
    premi(Qt::Key_1);
    QCOMPARE(nomeFuoco(), QStringLiteral("Option3(0)"));
    premi(Qt::Key_2);
    QCOMPARE(nomeFuoco(), QStringLiteral("Option3(1)"));
    premi(Qt::Key_Return);
    QCOMPARE(risultato(f), QStringLiteral("?"));
    QCOMPARE(s.RifiutiAiuto, qint16(1));
    QCOMPARE(nomeFuoco(), QStringLiteral("Option2(1)"));
    // The first digit after the refusal is not lost.
    digita(QString::number(s.Risultato + 2));
    QCOMPARE(risultato(f), QString::number(s.Risultato + 2));
    premi(Qt::Key_V);
    premi(Qt::Key_Return);
    controllo(f, QStringLiteral("Option3(1)"))->setFocus();
    premi(Qt::Key_S);
    premi(Qt::Key_Return);
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("lblCorrezione"))->text(), s.TestoRisultato);
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::avanti));
}

void TestTastiera::dieciOperazioniSoloTastiera() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 2);
    StatoCondiviso& s = banco.programma->stato;
    tasto(f, 1)->setFocus();
    for (int i = 1; i <= 10; ++i) {
        const bool giusta = i % 3 != 0;
        digita(giusta ? s.TestoRisultato.trimmed() : QString::number(s.Risultato + 1));
        premi(Qt::Key_V);
        premi(Qt::Key_Return);
        if (!giusta) {
            controllo(f, QStringLiteral("Option3(0)"))->setFocus(); // Tab reaches the panel
            premi(Qt::Key_S);
            premi(Qt::Key_Return);
        }
        premi(Qt::Key_A);
        premi(Qt::Key_Return);
    }
    QCOMPARE(s.ContaOperazioni, qint16(11));
    QCOMPARE(s.RisposteEsatte, qint16(7));
    QCOMPARE(s.RisposteErrate, qint16(3));
    QVERIFY(s.RigheStampa[3].endsWith(s.RigheStampa[3].section(QLatin1Char('*'), -1)));
    QVERIFY(s.RigheStampa[3].contains(QStringLiteral("* ")));
    QVERIFY(s.RigheStampa[3].endsWith(QStringLiteral("° ")));
}

void TestTastiera::avvisoDallaVentesima() {
    Banco banco;
    auto* f = apriEsercizi(banco, 0, 0);
    StatoCondiviso& s = banco.programma->stato;
    for (int i = 1; i < 20; ++i) {
        QTest::mousePress(tasto(f, 1), Qt::LeftButton);
        s.Risposta = s.TestoRisultato.trimmed();
        QTest::mousePress(tasto(f, Tastierino::verifica), Qt::LeftButton);
        QTest::mousePress(tasto(f, Tastierino::avanti), Qt::LeftButton);
    }
    QCOMPARE(s.ContaOperazioni, qint16(20));
    tasto(f, 1)->setFocus();
    digita(QString::number(s.Risultato + 1));
    premi(Qt::Key_V);
    premi(Qt::Key_Return);
    controllo(f, QStringLiteral("Option3(0)"))->setFocus();
    premi(Qt::Key_Return);
    QCOMPARE(nomeFuoco(), QStringLiteral("optAvviso(0)"));
    QVERIFY(!controllo(f, QStringLiteral("fraTastierino"))->isEnabled());
    // Enter on "Stampa" opens the list window, and the key is let go there.
    sequenzaDalSistema(f, QStringLiteral("+E@1000"));
    QVERIFY(banco.programma->finestre.caricata(Finestra::StampaEsercizio));
    sequenzaDalSistema(banco.finestra<QWidget>(Finestra::StampaEsercizio),
                       QStringLiteral("-E@1100"));
    QVERIFY(controllo(f, QStringLiteral("fraAvviso"))->isEnabled());
    QApplication::setActiveWindow(f);
    controllo(f, QStringLiteral("optAvviso(0)"))->setFocus();
    premi(Qt::Key_R);
    QCOMPARE(nomeFuoco(), QStringLiteral("optAvviso(1)"));
    premi(Qt::Key_Return);
    QCOMPARE(s.ContaOperazioni, qint16(1));
    QVERIFY(s.RigheStampa[2].isEmpty());
    QVERIFY(controllo(f, QStringLiteral("fraTastierino"))->isEnabled());
}

VELTRIX_TEST(TestTastiera)
#include "tst_tastiera.moc"
