// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/documenti.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "reports/frmstampaesercizio.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
FrmStampaEsercizio* apri(Banco& banco, int operazioni) {
    documenti::preparaSerie(banco.programma->stato, operazioni, operazioni, QString());
    banco.programma->finestre.apri(Finestra::StampaEsercizio);
    auto* f = banco.finestra<FrmStampaEsercizio>(Finestra::StampaEsercizio);
    return inPrimoPiano(f);
}

QWidget* scelta(QWidget* f, int i) {
    return f->findChild<QWidget*>(QStringLiteral("Option1(%1)").arg(i));
}
} // namespace

class TestFrmStampaEsercizio : public QObject {
    Q_OBJECT
private slots:
    void elencoAlCaricamento();
    void sceltaDaTastiera_data();
    void sceltaDaTastiera();
    void nomeDiQuindiciLettere();
    void nomeComeSiVede_data();
    void nomeComeSiVede();
    void stampaDaDieciOperazioni_data();
    void stampaDaDieciOperazioni();
    void esciTieneITempi();
    void attestatoApreLaFinestra();
};

void TestFrmStampaEsercizio::elencoAlCaricamento() {
    Banco banco;
    auto* f = apri(banco, 33);
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
    QVERIFY(f->windowState() & Qt::WindowMaximized);
    for (int k = 1; k <= 30; ++k) {
        auto* riga = f->findChild<QLabel*>(QStringLiteral("LblOp(%1)").arg(k));
        QVERIFY(riga);
        QCOMPARE(riga->text(), banco.programma->stato.RigheStampa[static_cast<size_t>(k)]);
    }
    QVERIFY(!f->findChild<QLabel*>(QStringLiteral("LblOp(31)")));
    for (int i = 0; i < 4; ++i) {
        QVERIFY(scelta(f, i)->isEnabled());
    }
    QVERIFY(!f->findChild<QWidget*>(QStringLiteral("fraNome"))->isVisible());
}

// The row of choices is wired to the keyboard: a choice's digit, then Enter, does what a press
// on it does. How the row answers each key is the row's own test.
void TestFrmStampaEsercizio::sceltaDaTastiera_data() {
    QTest::addColumn<int>("cifra");
    QTest::addColumn<bool>("elenco"); // still open
    QTest::addColumn<bool>("nome");   // the name is asked for
    QTest::addColumn<int>("lavori");
    QTest::addColumn<bool>("attestato");
    QTest::addColumn<QString>("invio"); // Enter, as X11 sends it
    const QString invio = QStringLiteral("+E@1000 -E@1100");
    QTest::newRow("1 esce") << 1 << false << false << 0 << false << invio;
    QTest::newRow("2 chiede il nome") << 2 << true << true << 0 << false << invio;
    // The hold began on the button: its repeats do not confirm the name in the box.
    QTest::newRow("2, Invio tenuto")
        << 2 << true << true << 0 << false << "+E@1000 -E@1500 +E@1500 -E@1533r +E@1533r -E@1800";
    QTest::newRow("3 stampa") << 3 << true << false << 1 << false << invio;
    // The release went to the message box the print showed: the next Enter acts again.
    QTest::newRow("3 stampa, Invio lasciato sul messaggio")
        << 3 << true << false << 2 << false << "+E@1000 -E@1100n +E@1400 -E@1500";
    QTest::newRow("3 stampa, Invio lasciato mentre il messaggio si chiude")
        << 3 << true << false << 2 << false << "+E@1000 ~ +E@1400 -E@1500";
    QTest::newRow("4 apre l'attestato") << 4 << true << false << 0 << true << invio;
}

void TestFrmStampaEsercizio::sceltaDaTastiera() {
    QFETCH(int, cifra);
    QFETCH(bool, elenco);
    QFETCH(bool, nome);
    QFETCH(int, lavori);
    QFETCH(bool, attestato);
    QFETCH(QString, invio);
    Banco banco;
    auto* f = apri(banco, 12);
    QVERIFY(f);
    scelta(f, cifra % 4)->setFocus();
    premi(Qt::Key(Qt::Key_0 + cifra));
    QCOMPARE(nomeFuoco(), QStringLiteral("Option1(%1)").arg(cifra - 1));
    sequenzaDalSistema(f, invio);
    QCOMPARE(banco.programma->finestre.caricata(Finestra::StampaEsercizio), elenco);
    QCOMPARE(elenco && controllo(f, QStringLiteral("fraNome"))->isVisible(), nome);
    QCOMPARE(nomeFuoco() == QLatin1String("txtNome"), nome);
    QCOMPARE(banco.stampante.lavori, lavori);
    QCOMPARE(banco.programma->finestre.caricata(Finestra::Attestato), attestato);
}

void TestFrmStampaEsercizio::nomeDiQuindiciLettere() {
    Banco banco;
    auto* f = apri(banco, 12);
    QVERIFY(f);
    QTest::mousePress(scelta(f, 1), Qt::LeftButton);
    auto* pannello = f->findChild<QWidget*>(QStringLiteral("fraNome"));
    QVERIFY(pannello->isVisible());
    // The panel stands in the middle of the screen.
    const QPoint centro = pannello->mapToGlobal(pannello->rect().center());
    QVERIFY((centro - f->screen()->geometry().center()).manhattanLength() <= 2);
    auto* nome = f->findChild<QLineEdit*>(QStringLiteral("txtNome"));
    QCOMPARE(QApplication::focusWidget(), nome);
    scriviTesto(nome, QStringLiteral("Niccolò Bianchini"));
    QCOMPARE(nome->text(), QStringLiteral("Niccolò Bianchi"));
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdAvanti")), Qt::LeftButton);
    QVERIFY(!pannello->isVisible());
    QCOMPARE(banco.programma->stato.NomeAlunno, QStringLiteral("Niccolò Bianchi"));
    QCOMPARE(nomeFuoco(), QStringLiteral("Option1(2)"));

    QTest::mousePress(scelta(f, 2), Qt::LeftButton);
    QVERIFY(
        banco.stampante.scritte.at(0).testo.startsWith(QStringLiteral("Nome Niccolò Bianchi ")));
}

void TestFrmStampaEsercizio::nomeComeSiVede_data() {
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<int>("cursore"); // where the paste goes; -1 at the end
    QTest::addColumn<QString>("incollato");
    QTest::addColumn<QString>("nome");
    const QString pollice = QStringLiteral("\U0001F44D");
    const QString famiglia = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString eAccentata = QStringLiteral("e\u0301");
    QTest::newRow("emoji quindicesima") << "Anna Maria Ros" << -1 << pollice + pollice
                                        << QStringLiteral("Anna Maria Ros") + pollice;
    QTest::newRow("emoji sedicesima, non a metà")
        << "Anna Maria Rossi" << -1 << pollice << "Anna Maria Ross";
    // A character keeps at most four code points: of a family of three, the first two.
    QTest::newRow("famiglia, un carattere")
        << "Anna Maria Ros" << -1 << famiglia
        << QStringLiteral("Anna Maria Ros\U0001F468\u200D\U0001F469");
    QTest::newRow("accento composto")
        << "" << -1 << eAccentata.repeated(16) << eAccentata.repeated(15);
    QTest::newRow("controlli e direzione")
        << "Luca" << -1 << QStringLiteral("\u202EVer\u2066di\t\u0007\u2069") << "LucaVerdi";
    QTest::newRow("casella piena, in mezzo") << "Bartolomeo Buonarroti" << 3 << "XY"
                                             << "Bartolomeo Buon";
    QTest::newRow("incollato lungo") << "" << -1 << "Bartolomeo Buonarroti"
                                     << "Bartolomeo Buon";
}

// The name box counts what the pupil sees, and lets nothing in that would break or reorder the
// printed lines; however it comes in, typed or pasted.
void TestFrmStampaEsercizio::nomeComeSiVede() {
    QFETCH(QString, scritto);
    QFETCH(int, cursore);
    QFETCH(QString, incollato);
    QFETCH(QString, nome);
    Banco banco;
    auto* f = apri(banco, 12);
    QVERIFY(f);
    QTest::mousePress(scelta(f, 1), Qt::LeftButton);
    auto* casella = f->findChild<QLineEdit*>(QStringLiteral("txtNome"));
    scriviTesto(casella, scritto);
    if (cursore >= 0) {
        casella->setCursorPosition(cursore);
    }
    QApplication::clipboard()->setText(incollato);
    premi(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(casella->text(), nome);
    premi(Qt::Key_Return);
    QCOMPARE(banco.programma->stato.NomeAlunno, nome);
}

void TestFrmStampaEsercizio::stampaDaDieciOperazioni_data() {
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<bool>("stampato");
    QTest::newRow("nessuna") << 0 << false;
    QTest::newRow("9") << 9 << false;
    QTest::newRow("10") << 10 << true;
    QTest::newRow("90") << 90 << true;
}

void TestFrmStampaEsercizio::stampaDaDieciOperazioni() {
    QFETCH(int, operazioni);
    QFETCH(bool, stampato);
    Banco banco;
    auto* f = apri(banco, operazioni);
    QVERIFY(f);
    QTest::mousePress(scelta(f, 2), Qt::LeftButton);
    QCOMPARE(banco.stampante.lavori, stampato ? 1 : 0);
    QCOMPARE(banco.messaggi.mostrati,
             stampato ? QStringList{}
                      : QStringList{QStringLiteral("Esegui almeno 10 operazioni. ")});
}

// Closed and opened again, the list still prints the series' times.
void TestFrmStampaEsercizio::esciTieneITempi() {
    Banco banco;
    auto* f = apri(banco, 12);
    QVERIFY(f);
    scelta(f, 0)->setFocus();
    premi(Qt::Key_Return);
    QVERIFY(!banco.programma->finestre.caricata(Finestra::StampaEsercizio));
    f = inPrimoPiano(static_cast<FrmStampaEsercizio*>(
        banco.programma->finestre.apri(Finestra::StampaEsercizio)));
    QVERIFY(f);
    QTest::mousePress(scelta(f, 2), Qt::LeftButton);
    QCOMPARE(banco.stampante.scritte.back().testo,
             QStringLiteral("Eser. n.3: Tempo tot.  30 secondi"));
}

void TestFrmStampaEsercizio::attestatoApreLaFinestra() {
    Banco banco;
    auto* f = apri(banco, 12);
    QVERIFY(f);
    QTest::mousePress(scelta(f, 3), Qt::LeftButton);
    QVERIFY(banco.programma->finestre.caricata(Finestra::Attestato));
    QVERIFY(banco.programma->finestre.caricata(Finestra::StampaEsercizio));
}

VELTRIX_TEST(TestFrmStampaEsercizio)
#include "tst_frmstampaesercizio.moc"
