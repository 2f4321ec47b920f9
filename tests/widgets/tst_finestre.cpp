// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "widgets/finestraveltrix.h"
#include "widgets/finestre.h"

#include <QApplication>
#include <QTest>

namespace {
// A window that notes when it is unloaded and how many times windows were built.
class FinestraProva : public FinestraVeltrix {
public:
    FinestraProva(QString nome, QStringList& scaricate)
        : nome(std::move(nome)), scaricate(scaricate) {}
    int stato = 0;

protected:
    void alloScaricamento() override { scaricate << nome; }

private:
    QString nome;
    QStringList& scaricate;
};

const QStringList nomi{"Attestato", "Inizio", "Operativo", "StampaEsercizio", "StampaSchede"};
} // namespace

class TestFinestre : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void chiusuraInOrdineFisso();
    void chiusuraDelleAperteInOrdineDiCaricamento();
    void aprireUnaApertaLaPortaAvanti();
    void riapertaRipartePulita();
    void chiudereUnaChiusaNonFaNulla();
    void chiusaDallUtenteVieneDimenticata();

private:
    void registraTutte();
    Finestre* finestre = nullptr;
    QStringList scaricate;
    int costruite = 0;
};

void TestFinestre::init() {
    finestre = new Finestre;
    scaricate.clear();
    costruite = 0;
    registraTutte();
}

void TestFinestre::cleanup() {
    finestre->CloseAllWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete finestre;
}

void TestFinestre::registraTutte() {
    for (int i = 0; i < numeroFinestre; ++i) {
        finestre->registra(static_cast<Finestra>(i), [this, i] {
            ++costruite;
            return new FinestraProva(nomi[i], scaricate);
        });
    }
}

void TestFinestre::chiusuraInOrdineFisso() {
    for (Finestra f : {Finestra::StampaSchede, Finestra::Operativo, Finestra::Inizio,
                       Finestra::Attestato, Finestra::StampaEsercizio}) {
        finestre->apri(f);
    }
    finestre->CloseAllWindows();
    QCOMPARE(scaricate,
             QStringList({"Attestato", "Inizio", "Operativo", "StampaEsercizio", "StampaSchede"}));
    QVERIFY(finestre->caricateInOrdine().empty());
}

void TestFinestre::chiusuraDelleAperteInOrdineDiCaricamento() {
    for (Finestra f : {Finestra::Inizio, Finestra::Operativo, Finestra::StampaEsercizio}) {
        finestre->apri(f);
    }
    finestre->chiudiAperte();
    QCOMPARE(scaricate, QStringList({"Inizio", "Operativo", "StampaEsercizio"}));
}

void TestFinestre::aprireUnaApertaLaPortaAvanti() {
    QWidget* prima = finestre->apri(Finestra::Operativo);
    static_cast<FinestraProva*>(prima)->stato = 5;
    QWidget* seconda = finestre->apri(Finestra::Operativo);
    QCOMPARE(seconda, prima);
    QCOMPARE(costruite, 1);
    QCOMPARE(static_cast<FinestraProva*>(seconda)->stato, 5);
}

void TestFinestre::riapertaRipartePulita() {
    static_cast<FinestraProva*>(finestre->apri(Finestra::Operativo))->stato = 5;
    finestre->chiudi(Finestra::Operativo);
    QVERIFY(!finestre->caricata(Finestra::Operativo));
    auto* nuova = static_cast<FinestraProva*>(finestre->apri(Finestra::Operativo));
    QCOMPARE(costruite, 2);
    QCOMPARE(nuova->stato, 0);
    // The old instance, deleted only now, leaves the new one known.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(finestre->apri(Finestra::Operativo), nuova);
}

void TestFinestre::chiudereUnaChiusaNonFaNulla() {
    finestre->chiudi(Finestra::Attestato);
    finestre->CloseAllWindows();
    QVERIFY(scaricate.isEmpty());
    QCOMPARE(costruite, 0);
}

void TestFinestre::chiusaDallUtenteVieneDimenticata() {
    QWidget* w = finestre->apri(Finestra::StampaSchede);
    w->close();
    QVERIFY(!finestre->caricata(Finestra::StampaSchede));
    QCOMPARE(scaricate, QStringList({"StampaSchede"}));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(finestre->caricateInOrdine().empty());
}

VELTRIX_TEST(TestFinestre)
#include "tst_finestre.moc"
