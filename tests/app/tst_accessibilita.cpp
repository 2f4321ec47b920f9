// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/registro.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QTest>

namespace {
// Every control the program builds has a name; a screen reader must have one to say for each,
// except those it keeps from the reader on purpose: empty strips and boxes.
QStringList senzaNome(QWidget* finestra) {
    QStringList mancanti;
    QList<QWidget*> controlli = finestra->findChildren<QWidget*>();
    controlli.prepend(finestra);
    for (QWidget* w : controlli) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) {
            continue; // the toolkit's own parts: scroll bars, viewports, menu internals
        }
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        if (i && i->state().invisible && w->isVisibleTo(finestra)) {
            continue;
        }
        if (!i || i->text(QAccessible::Name).trimmed().isEmpty()) {
            mancanti << w->objectName();
        }
    }
    return mancanti;
}
} // namespace

class TestAccessibilita : public QObject {
    Q_OBJECT
private slots:
    void ogniControlloHaUnNome_data();
    void ogniControlloHaUnNome();
    void leEtichetteDiconoIlLoroValore();
    void finestreDelMenu_data();
    void finestreDelMenu();
};

void TestAccessibilita::ogniControlloHaUnNome_data() {
    QTest::addColumn<int>("finestra");
    QTest::newRow("inizio") << int(Finestra::Inizio);
    QTest::newRow("esercizi") << int(Finestra::Operativo);
    QTest::newRow("elenco") << int(Finestra::StampaEsercizio);
    QTest::newRow("attestato") << int(Finestra::Attestato);
    QTest::newRow("schede") << int(Finestra::StampaSchede);
}

void TestAccessibilita::ogniControlloHaUnNome() {
    QFETCH(int, finestra);
    Banco banco;
    banco.programma->avvia();
    QWidget* w = banco.programma->finestre.apri(static_cast<Finestra>(finestra));
    QVERIFY(w);
    const QStringList mancanti = senzaNome(w);
    QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti.join(QStringLiteral(", "))));
}

// A label that shows a value is read as its meaning and then the value it holds now.
void TestAccessibilita::leEtichetteDiconoIlLoroValore() {
    Banco banco;
    StatoCondiviso& s = banco.programma->stato;
    s.ContaOperazioni = 12;
    s.RigheStampa[3] = QStringLiteral("  4 +   5 = ...   R. 9  ");
    QWidget* elenco = banco.programma->finestre.apri(Finestra::StampaEsercizio);
    QVERIFY(elenco);
    auto nome = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    QCOMPARE(nome(elenco->findChild<QWidget*>(QStringLiteral("LblOp(3)"))),
             QStringLiteral("Riga 3: 4 + 5 = ... R. 9"));
    QCOMPARE(nome(elenco->findChild<QWidget*>(QStringLiteral("LblOp(13)"))),
             QStringLiteral("Riga 13"));
    QCOMPARE(nome(elenco->findChild<QWidget*>(QStringLiteral("Option1(2)"))),
             QStringLiteral("STAMPA"));
    QCOMPARE(nome(elenco->findChild<QWidget*>(QStringLiteral("txtNome"))), QStringLiteral("Nome"));
}

void TestAccessibilita::finestreDelMenu_data() {
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("finestra");
    QTest::newRow("valutazione") << "mnuValutazione"
                                 << "FinestraValutazione";
    QTest::newRow("esempi") << "mnuEsempi"
                            << "FinestraEsempi";
}

void TestAccessibilita::finestreDelMenu() {
    QFETCH(QString, voce);
    QFETCH(QString, finestra);
    Banco banco;
    banco.programma->avvia();
    QWidget* inizio = banco.programma->finestre.istanza(Finestra::Inizio);
    inizio->findChild<QAction*>(voce)->trigger();
    auto* dialogo = inizio->findChild<QDialog*>(finestra);
    QVERIFY(dialogo);
    const QStringList mancanti = senzaNome(dialogo);
    QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti.join(QStringLiteral(", "))));
    dialogo->close();
}

VELTRIX_TEST(TestAccessibilita)
#include "tst_accessibilita.moc"
