#include "comune/documenti.h"

#include "comune/banco.h"
#include "comune/guida.h"

#include <QApplication>
#include <QTest>

namespace {
constexpr int operazioniDellaSerie = 20;

void preparaSerie(StatoCondiviso& s) {
    s.ContaOperazioni = operazioniDellaSerie;
    s.TotaleEsatte = 17;
    s.NomeAlunno = QStringLiteral("Marta");
    s.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    s.DescrizioneLivello = QStringLiteral("NUMERO MASSIMO da  1 a 30");
    for (int k = 1; k <= operazioniDellaSerie; ++k) {
        s.RigheStampa[static_cast<size_t>(k)] =
            QStringLiteral("  %1 +    1 +    2 = ...    R. %2  ").arg(k, 2).arg(k + 3, 3);
    }
    for (int e = 1; e <= 3; ++e) {
        s.TempiEsercizio[static_cast<size_t>(e)] = QStringLiteral(" %1").arg(10 * e);
    }
}

void preparaScheda(StatoCondiviso& s) {
    s.Operazione = 7;
    s.ObiettivoScheda = QStringLiteral("CALCOLO DEL RISULTATO");
    s.TipoMin = 1;
    s.TipoMax = 1;
}
} // namespace

QWidget* documenti::prepara(Banco& banco, const QString& documento) {
    StatoCondiviso& s = banco.programma->stato;
    Finestra quale = Finestra::StampaSchede;
    if (documento == QLatin1String("elenco")) {
        preparaSerie(s);
        quale = Finestra::StampaEsercizio;
    } else if (documento == QLatin1String("attestato")) {
        preparaSerie(s);
        quale = Finestra::Attestato;
    } else {
        preparaScheda(s);
    }
    QWidget* f = banco.programma->finestre.apri(quale);
    if (!f || !QTest::qWaitForWindowExposed(f)) {
        return nullptr;
    }
    QApplication::setActiveWindow(f);
    if (quale == Finestra::StampaSchede) {
        premi(f, QStringLiteral("Option3(1)"));
        premi(f, QStringLiteral("CmdSchedaAlunni"));
        if (documento == QLatin1String("scheda-docenti")) {
            premi(f, QStringLiteral("CmdSchedaDocenti"));
        }
    }
    return f;
}

void documenti::stampa(QWidget* f, const QString& documento) {
    if (documento == QLatin1String("elenco")) {
        premi(f, QStringLiteral("Option1(2)"));
    } else if (documento == QLatin1String("attestato")) {
        premi(f, QStringLiteral("Option5(0)"));
    } else if (documento == QLatin1String("scheda-alunni")) {
        premi(f, QStringLiteral("CmdStampaAlunni"));
    } else {
        premi(f, QStringLiteral("CmdStampaDocenti"));
    }
}
