// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "exercise/tastierino.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointingDevice>
#include <QTest>

namespace {
// A finger on a whiteboard: down and up at the middle of a control, which the window system
// hands to the window as touch points, never as mouse events.
void tocca(QWidget* finestra, const QString& nome) {
    static QPointingDevice* const dito = QTest::createTouchDevice();
    auto* controllo = finestra ? finestra->findChild<QWidget*>(nome) : nullptr;
    QVERIFY2(controllo, qPrintable(nome));
    QVERIFY2(controllo->isVisible() && controllo->isEnabled(), qPrintable(nome));
    const QPoint punto = controllo->mapTo(controllo->window(), controllo->rect().center());
    QVERIFY2(controllo->window()->childAt(punto) == controllo ||
                 controllo->isAncestorOf(controllo->window()->childAt(punto)),
             qPrintable(nome + QStringLiteral(" è coperto")));
    QTest::touchEvent(controllo->window(), dito).press(0, punto, controllo->window());
    QTest::touchEvent(controllo->window(), dito).release(0, punto, controllo->window());
}
} // namespace

class TestTocco : public QObject {
    Q_OBJECT
private slots:
    void tocchiComeClic_data();
    void tocchiComeClic();
};

// On an interactive whiteboard every button answers a tap as it answers a click: the choices of
// the start window, the keypad, and the panels that take its place.
void TestTocco::tocchiComeClic_data() {
    QTest::addColumn<QString>("tasti");    // keypad: digits, C Cancella, V Verifica, A Avanti
    QTest::addColumn<QString>("pannello"); // a panel's button tapped afterwards, if any
    QTest::addColumn<QString>("risultato");
    QTest::addColumn<QString>("esito");
    QTest::newRow("risposta giusta") << "=V"
                                     << ""
                                     << "="
                                     << "Esatto";
    QTest::newRow("cancella") << "12C"
                              << ""
                              << "1"
                              << "";
    QTest::newRow("sbagliata e aiuto") << "0V"
                                       << "Option3(0)"
                                       << "0"
                                       << "";
    QTest::newRow("avanti") << "=VA"
                            << ""
                            << "?"
                            << "";
}

void TestTocco::tocchiComeClic() {
    QFETCH(QString, tasti);
    QFETCH(QString, pannello);
    QFETCH(QString, risultato);
    QFETCH(QString, esito);
    Banco banco;
    banco.programma->avvia();
    QWidget* inizio = inPrimoPiano(banco.programma->finestre.istanza(Finestra::Inizio));
    QVERIFY(inizio);
    QTRY_VERIFY(inizio->findChild<QWidget*>(QStringLiteral("Picture1"))->width() < 10);
    auto* obiettivi = inizio->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    for (const char* titolo : {"OBIETTIVI 2", "OBIETTIVI 1"}) {
        tocca(inizio, QStringLiteral("lblCambiaOb"));
        QCOMPARE(obiettivi->title(), QLatin1String(titolo));
    }
    for (const char* scelta : {"Option1(0)", "Option2(0)", "Option3(0)"}) {
        tocca(inizio, QLatin1String(scelta));
    }
    QWidget* esercizi = inPrimoPiano(banco.programma->finestre.istanza(Finestra::Operativo));
    QVERIFY(esercizi);
    const StatoCondiviso& s = banco.programma->stato;
    const QString giusta = s.TestoRisultato.trimmed();
    const QHash<QChar, int> comandi{
        {u'C', Tastierino::cancella}, {u'V', Tastierino::verifica}, {u'A', Tastierino::avanti}};
    for (QChar t : tasti) {
        if (t == QLatin1Char('=')) {
            for (QChar cifra : giusta) {
                tocca(esercizi, QStringLiteral("Option2(%1)").arg(cifra.digitValue()));
            }
        } else {
            tocca(esercizi, Tastierino::nomeTasto(t.isDigit() ? t.digitValue() : comandi.value(t)));
        }
    }
    if (!pannello.isEmpty()) {
        tocca(esercizi, pannello);
        QCOMPARE(testoDi(esercizi, "lblCorrezione"), s.TestoRisultato);
    }
    QCOMPARE(testoDi(esercizi, "lblRisultato1"), risultato == "=" ? giusta : risultato);
    QCOMPARE(testoDi(esercizi, "LblEsito"), esito);
}

VELTRIX_TEST(TestTocco)
#include "tst_tocco.moc"
