// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "register/registro.h"
#include "start/finestrasceltaalunno.h"
#include "start/frminizio.h"
#include "widgets/caratteri.h"
#include "widgets/pulsanteopzione.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QStackedWidget>
#include <QTest>

namespace {
// A program with a class register in memory, its classes written "4B:Anna,Bruno".
struct Aula {
    explicit Aula(const QStringList& classi) {
        for (const QString& c : classi) {
            const QStringList alunni =
                c.section(QLatin1Char(':'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
            QVERIFY(registro.aggiungiClasse(c.section(QLatin1Char(':'), 0, 0), alunni).isEmpty());
        }
        banco.programma->contesto.registro = &registro;
        banco.programma->avvia();
        f = banco.finestra<frmInizio>(Finestra::Inizio);
        premi(f, QStringLiteral("Option1(0)"));
        premi(f, QStringLiteral("Option2(0)"));
    }
    // The exercise window ends its series in the register: it goes before the register does.
    ~Aula() {
        banco.programma->finestre.CloseAllWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FinestraSceltaAlunno* avanti() {
        premi(f, QStringLiteral("Option3(0)"));
        auto* scelta = f->findChild<FinestraSceltaAlunno*>();
        return scelta && scelta->isVisible() ? scelta : nullptr;
    }
    bool esercizi() { return banco.programma->finestre.caricata(Finestra::Operativo); }

    Banco banco;
    Registro registro{LuogoRegistro{QStringLiteral(":memory:"), {}}, banco.messaggi};
    frmInizio* f = nullptr;
};

QWidget* pagina(QWidget* scelta) {
    return scelta->findChild<QStackedWidget*>()->currentWidget();
}

QStringList didascalie(QWidget* pagina) {
    QStringList testi;
    for (auto* p : pagina->findChildren<PulsanteOpzione*>()) {
        testi << p->text();
    }
    return testi;
}
} // namespace

class TestFinestraSceltaAlunno : public QObject {
    Q_OBJECT
private slots:
    void sceltaPrimaDellaSerie_data();
    void sceltaPrimaDellaSerie();
    void griglia_data();
    void griglia();
};

void TestFinestraSceltaAlunno::sceltaPrimaDellaSerie_data() {
    QTest::addColumn<QStringList>("classi");
    QTest::addColumn<QStringList>("pulsanti"); // on the first page; none: no window
    QTest::addColumn<QStringList>("azioni");   // "clic:" a button of the page, or a key
    QTest::addColumn<bool>("esercizi");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("ospite");
    const QStringList una{"4B:Anna,Bruno,Carla"};
    const QStringList due{"4B:Anna,Bruno,Carla", "5A:Dario,Elena"};
    const QStringList nomi{"Anna", "Bruno", "Carla", "Ospite"};
    const QStringList sezioni{"4B", "5A", "Ospite"};
    QTest::newRow("nessuna classe")
        << QStringList() << QStringList() << QStringList() << true << "" << false;
    QTest::newRow("classe senza alunni")
        << QStringList{"3C:"} << QStringList() << QStringList() << true << "" << false;
    QTest::newRow("clic su Bruno")
        << una << nomi << QStringList{"clic:optAlunno(1)"} << true << "Bruno" << false;
    QTest::newRow("Ospite") << una << nomi << QStringList{"clic:optOspite"} << true << "" << true;
    QTest::newRow("Giù e Invio") << una << nomi << QStringList{"Down", "Return"} << true << "Bruno"
                                 << false;
    QTest::newRow("Tab e Spazio") << una << nomi << QStringList{"Tab", "Tab", "Space"} << true
                                  << "Carla" << false;
    QTest::newRow("Esc") << una << nomi << QStringList{"Down", "Esc"} << false << "" << false;
    QTest::newRow("due classi") << due << sezioni
                                << QStringList{"clic:optClasse(1)", "clic:optAlunno(1)"} << true
                                << "Elena" << false;
    QTest::newRow("due classi, tastiera")
        << due << sezioni << QStringList{"Return", "Down", "Return"} << true << "Bruno" << false;
    QTest::newRow("altra classe") << due << sezioni
                                  << QStringList{"clic:optClasse(0)", "clic:optAltraClasse", "Down",
                                                 "Return", "Return"}
                                  << true << "Dario" << false;
}

void TestFinestraSceltaAlunno::sceltaPrimaDellaSerie() {
    QFETCH(QStringList, classi);
    QFETCH(QStringList, pulsanti);
    QFETCH(QStringList, azioni);
    QFETCH(bool, esercizi);
    QFETCH(QString, nome);
    QFETCH(bool, ospite);
    Aula aula(classi);
    QPointer<FinestraSceltaAlunno> scelta = aula.avanti();
    QCOMPARE(bool(scelta), !pulsanti.isEmpty());
    if (scelta) {
        QVERIFY(!aula.esercizi());
        QCOMPARE(scelta->windowModality(), Qt::ApplicationModal);
        QVERIFY(scelta->windowTitle().endsWith(QStringLiteral("Chi sei?")));
        QCOMPARE(didascalie(pagina(scelta)), pulsanti);
        QVERIFY(mostrataEAttiva(scelta));
    }
    for (const QString& azione : azioni) {
        QVERIFY2(scelta, qPrintable(azione));
        if (azione.startsWith(QLatin1String("clic:"))) {
            premi(pagina(scelta), azione.mid(5));
        } else {
            premi(Qt::Key(QKeySequence::fromString(azione)[0].key()));
        }
    }
    QTRY_VERIFY(!scelta || !scelta->isVisible());
    QCOMPARE(aula.esercizi(), esercizi);
    QCOMPARE(aula.banco.programma->stato.NomeAlunno, nome);
    QCOMPARE(aula.registro.alunnoScelto() ? aula.registro.alunnoScelto()->nome : QString(), nome);
    QCOMPARE(aula.registro.ospite(), ospite);

    // The next series of the run: who chose is not asked again and keeps the name; who closed
    // the window is asked again.
    aula.banco.programma->finestre.chiudi(Finestra::Operativo);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(bool(aula.avanti()), !pulsanti.isEmpty() && !esercizi);
    QCOMPARE(aula.esercizi(), esercizi || pulsanti.isEmpty());
    QCOMPARE(aula.banco.programma->stato.NomeAlunno, nome);
}

void TestFinestraSceltaAlunno::griglia_data() {
    QTest::addColumn<int>("alunni");
    QTest::newRow("uno") << 1;
    QTest::newRow("tre") << 3;
    QTest::newRow("diciannove") << 19;
    QTest::newRow("trenta") << 30;
}

// Every name whole, on a button of its own no lower than the start window's levels.
void TestFinestraSceltaAlunno::griglia() {
    QFETCH(int, alunni);
    QStringList nomi;
    for (int i = 1; i <= alunni; ++i) {
        nomi << QStringLiteral("Maria Vittoria D'Amico %1").arg(i, 2, 10, QLatin1Char('0'));
    }
    Aula aula({QStringLiteral("4B:") + nomi.join(QLatin1Char(','))});
    FinestraSceltaAlunno* scelta = aula.avanti();
    QVERIFY(scelta && mostrataEAttiva(scelta));
    QWidget* p = pagina(scelta);
    QCOMPARE(testoDi(p, "lblScegli"), QStringLiteral("Scegli il tuo nome"));
    const int livello = controllo(aula.f, "Option2(0)")->height();
    QList<QWidget*> occupati{controllo(p, "lblScegli"), controllo(p, "optOspite")};
    for (int i = 0; i < alunni; ++i) {
        auto* b = controllo<PulsanteOpzione>(p, QStringLiteral("optAlunno(%1)").arg(i));
        QVERIFY(b && b->isVisible());
        QCOMPARE(b->accessibleName(), nomi[i]);
        QVERIFY2(b->height() >= livello, qPrintable(QString::number(b->height())));
        QVERIFY(p->rect().contains(b->geometry()));
        for (QWidget* altro : occupati) {
            QVERIFY2(!b->geometry().intersects(altro->geometry()), qPrintable(altro->objectName()));
        }
        occupati << b;
        b->repaint();
        QVERIFY(b->font().pointSizeF() >= puntiLeggibili);
        const QFontMetrics fm(b->font());
        const QRect spazio = spazioDidascalia(b);
        const QRect righe = fm.boundingRect(spazio, Qt::AlignCenter | Qt::TextWordWrap, b->text());
        QVERIFY2(righe.width() <= spazio.width() &&
                     righe.height() <= spazio.height() + fm.descent(),
                 qPrintable(b->text()));
    }
}

VELTRIX_TEST(TestFinestraSceltaAlunno)
#include "tst_finestrasceltaalunno.moc"
