// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/documenti.h"

#include "comune/banco.h"
#include "comune/guida.h"

#include <QApplication>
#include <QTest>

namespace {
void preparaScheda(StatoCondiviso& s) {
    s.Operazione = 7;
    s.ObiettivoScheda = QStringLiteral("CALCOLO DEL RISULTATO");
    s.TipoMin = 1;
    s.TipoMax = 1;
}
} // namespace

void documenti::preparaSerie(StatoCondiviso& s, int operazioni, int esatte, const QString& nome) {
    s.ContaOperazioni = static_cast<qint16>(operazioni);
    s.TotaleEsatte = static_cast<qint16>(esatte);
    s.NomeAlunno = nome;
    s.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    s.DescrizioneLivelloSerie = QStringLiteral("NUMERO MASSIMO da  1 a 30");
    for (int k = 1; k <= operazioni; ++k) {
        s.RigheStampa[static_cast<size_t>(k)] =
            QStringLiteral("  %1 +    1 +    2 = ...    R. %2  ").arg(k, 2).arg(k + 3, 3);
    }
    for (int e = 1; e <= 3; ++e) {
        s.TempiEsercizio[static_cast<size_t>(e)] = QStringLiteral(" %1").arg(10 * e);
    }
}

QWidget* documenti::prepara(Banco& banco, const QString& documento) {
    StatoCondiviso& s = banco.programma->stato;
    Finestra quale = Finestra::StampaSchede;
    if (documento == QLatin1String("elenco")) {
        preparaSerie(s, 20, 17, QStringLiteral("Marta"));
        quale = Finestra::StampaEsercizio;
    } else if (documento == QLatin1String("attestato")) {
        preparaSerie(s, 20, 17, QStringLiteral("Marta"));
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
