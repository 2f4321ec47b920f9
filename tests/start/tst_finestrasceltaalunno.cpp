// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "printouts/nomealunno.h"
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

#include <algorithm>

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
        for (auto* scelta : f->findChildren<FinestraSceltaAlunno*>()) {
            if (scelta->isVisible()) {
                return scelta;
            }
        }
        return nullptr;
    }
    bool esercizi() { return banco.programma->finestre.caricata(Finestra::Operativo); }

    Banco banco;
    Registro registro{LuogoRegistro{QStringLiteral(":memory:"), {}}, banco.messaggi};
    frmInizio* f = nullptr;
};

QWidget* pagina(QWidget* scelta) {
    return scelta->findChild<QStackedWidget*>()->currentWidget();
}

} // namespace

class TestFinestraSceltaAlunno : public QObject {
    Q_OBJECT
private slots:
    void sceltaPrimaDellaSerie_data();
    void sceltaPrimaDellaSerie();
};

void TestFinestraSceltaAlunno::sceltaPrimaDellaSerie_data() {
    QTest::addColumn<QStringList>("classi");
    QTest::addColumn<QStringList>("pulsanti"); // on the first page; none: no window
    QTest::addColumn<QStringList>("azioni");   // "clic:" a button of the page, or a key
    QTest::addColumn<QString>("nome");         // "-": no series, "": a guest or nobody asked
    const QStringList una{"4B:Anna,Bruno,Carla"}, due{una[0], "5A:Dario,Elena"};
    const QStringList nomi{"Anna", "Bruno", "Carla", "Ospite"}, sezioni{"4B", "5A", "Ospite"};
    QStringList trenta;
    for (int i = 1; i <= 30; ++i) {
        trenta << QStringLiteral("Maria Vittoria D'Amico %1").arg(i, 2, 10, QLatin1Char('0'));
    }
    const auto riga = [](const char* nome) -> QTestData& { return QTest::newRow(nome); };
    riga("nessuna classe") << QStringList() << QStringList() << QStringList() << "";
    riga("classe vuota") << QStringList{"3C:"} << QStringList() << QStringList() << "";
    riga("clic") << una << nomi << QStringList{"clic:optAlunno(1)"} << "Bruno";
    riga("Ospite") << una << nomi << QStringList{"clic:optOspite"} << "";
    riga("Giù e Invio") << una << nomi << QStringList{"Down", "Return"} << "Bruno";
    riga("Tab e Spazio") << una << nomi << QStringList{"Tab", "Tab", "Space"} << "Carla";
    riga("Esc") << una << nomi << QStringList{"Down", "Esc"} << "-";
    riga("trenta nomi lunghi") << QStringList{"5A:" + trenta.join(QLatin1Char(','))}
                               << trenta + QStringList{"Ospite"}
                               << QStringList{"clic:optAlunno(29)"} << trenta.last();
    riga("due classi, Invio tenuto")
        << due << sezioni << QStringList{"Return", "Down", "Return"} << "Bruno";
    riga("altra classe") << due << sezioni
                         << QStringList{"clic:optClasse(0)", "clic:optAltraClasse", "Down",
                                        "Return", "Return"}
                         << "Dario";
}

void TestFinestraSceltaAlunno::sceltaPrimaDellaSerie() {
    QFETCH(QStringList, classi);
    QFETCH(QStringList, pulsanti);
    QFETCH(QStringList, azioni);
    QFETCH(QString, nome);
    const bool esercizi = nome != QLatin1String("-");
    const bool chiesto = !pulsanti.isEmpty();
    Aula aula(classi);
    QPointer<FinestraSceltaAlunno> scelta = aula.avanti();
    QCOMPARE(bool(scelta), chiesto);
    if (scelta) {
        QVERIFY(!aula.esercizi());
        QVERIFY(scelta->windowTitle().endsWith(QStringLiteral("Chi sei?")));
        QVERIFY(mostrataEAttiva(scelta));
        // Each button whole inside the page, on nothing else, no lower than the start window's
        // levels, its caption whole and readable, its meaning told to a screen reader.
        QWidget* p = pagina(scelta);
        const int livello = controllo(aula.f, "Option2(0)")->height();
        QList<QWidget*> occupati{controllo(p, "lblScegli")};
        QStringList testi;
        for (auto* b : p->findChildren<PulsanteOpzione*>()) {
            b->repaint();
            const QFontMetrics fm(b->font());
            const QRect spazio = spazioDidascalia(b);
            const QRect righe =
                fm.boundingRect(spazio, Qt::AlignCenter | Qt::TextWordWrap, b->text());
            QVERIFY2(righe.width() <= spazio.width() &&
                         righe.height() <= spazio.height() + fm.descent() &&
                         b->font().pointSizeF() >= puntiLeggibili,
                     qPrintable(b->text()));
            QVERIFY(b->height() >= livello && p->rect().contains(b->geometry()));
            QVERIFY(std::none_of(occupati.begin(), occupati.end(), [b](QWidget* w) {
                return w->geometry().intersects(b->geometry());
            }));
            QVERIFY(b->accessibleName().contains(b->text()));
            testi << b->text();
            occupati << b;
        }
        QCOMPARE(testi, pulsanti);
    }
    for (const QString& azione : azioni) {
        if (azione.startsWith(QLatin1String("clic:"))) {
            premi(pagina(scelta), azione.mid(5));
        } else {
            premi(Qt::Key(QKeySequence::fromString(azione)[0].key()));
        }
    }
    QTRY_VERIFY(!scelta || !scelta->isVisible());
    QCOMPARE(aula.esercizi(), esercizi);
    const QString alunno = esercizi ? nome : QString();
    // The printouts take the name as the list's name box does; the register keeps it whole.
    QCOMPARE(aula.banco.programma->stato.NomeAlunno, nomeAmmesso(alunno));
    QCOMPARE(aula.registro.alunnoScelto() ? aula.registro.alunnoScelto()->nome : QString(), alunno);
    QCOMPARE(aula.registro.ospite(), chiesto && esercizi && alunno.isEmpty());

    // The next series of the run: who chose is not asked again and keeps the name; who closed
    // the window is asked again.
    aula.banco.programma->finestre.chiudi(Finestra::Operativo);
    QCOMPARE(bool(aula.avanti()), !esercizi);
    QCOMPARE(aula.esercizi(), esercizi);
    // The printouts take the name as the list's name box does; the register keeps it whole.
    QCOMPARE(aula.banco.programma->stato.NomeAlunno, nomeAmmesso(alunno));
}

VELTRIX_TEST(TestFinestraSceltaAlunno)
#include "tst_finestrasceltaalunno.moc"
