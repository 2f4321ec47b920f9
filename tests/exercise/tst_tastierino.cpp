// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "exercise/frmoperativo.h"
#include "exercise/tastierino.h"
#include "start/frminizio.h"

#include <QLabel>
#include <QTest>

namespace {
FrmOperativo* apri(Banco& banco) {
    banco.programma->avvia();
    auto* inizio = banco.finestra<frmInizio>(Finestra::Inizio);
    for (const char* nome : {"Option1(0)", "Option2(0)", "Option3(0)"}) {
        QTest::mousePress(inizio->findChild<QWidget*>(QLatin1String(nome)), Qt::LeftButton);
    }
    return inPrimoPiano(banco.finestra<FrmOperativo>(Finestra::Operativo));
}

QWidget* tasto(QWidget* f, int indice) {
    return f->findChild<QWidget*>(Tastierino::nomeTasto(indice));
}
} // namespace

class TestTastierino : public QObject {
    Q_OBJECT
private slots:
    void rispostaGiudicataNonCambia_data();
    void rispostaGiudicataNonCambia();
};

// Once the answer is judged the digits and "Cancella" are off: their keys are too, or the pupil
// could change the answer shown and have it judged again.
void TestTastierino::rispostaGiudicataNonCambia_data() {
    QTest::addColumn<bool>("giusta"); // else wrong, then help accepted
    QTest::addColumn<int>("tasto");
    QTest::addColumn<bool>("tastierino");
    QTest::newRow("giusta, cifra") << true << int(Qt::Key_7) << false;
    QTest::newRow("giusta, tastierino numerico") << true << int(Qt::Key_3) << true;
    QTest::newRow("giusta, Backspace") << true << int(Qt::Key_Backspace) << false;
    QTest::newRow("corretta, C") << false << int(Qt::Key_C) << false;
    QTest::newRow("corretta, cifra") << false << int(Qt::Key_0) << false;
}

void TestTastierino::rispostaGiudicataNonCambia() {
    QFETCH(bool, giusta);
    QFETCH(int, tasto);
    QFETCH(bool, tastierino);
    Banco banco;
    auto* f = apri(banco);
    QVERIFY(f);
    StatoCondiviso& s = banco.programma->stato;
    const QString risposta = giusta ? s.TestoRisultato.trimmed() : QString::number(s.Risultato + 1);
    for (QChar cifra : risposta) {
        QTest::mousePress(::tasto(f, cifra.digitValue()), Qt::LeftButton);
    }
    QTest::mousePress(::tasto(f, Tastierino::verifica), Qt::LeftButton);
    if (!giusta) {
        QTest::mousePress(f->findChild<QWidget*>(QStringLiteral("Option3(0)")), Qt::LeftButton);
    }
    QCOMPARE(nomeFuoco(), Tastierino::nomeTasto(Tastierino::avanti));
    const QString mostrato = testoDi(f, "lblRisultato1");
    const qint16 errate = s.RisposteErrate;
    premi(Qt::Key(tasto), tastierino ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(testoDi(f, "lblRisultato1"), mostrato);
    QCOMPARE(s.Risposta, risposta);
    QVERIFY(!::tasto(f, Tastierino::verifica)->isEnabled());
    premi(Qt::Key_V);
    premi(Qt::Key_Return);
    QCOMPARE(s.RisposteErrate, errate);
    QCOMPARE(s.ContaOperazioni, qint16(2)); // Enter went to "Avanti"
}

VELTRIX_TEST(TestTastierino)
#include "tst_tastierino.moc"
