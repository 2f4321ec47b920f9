// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/serie.h"

#include "practice/testonumero.h"
#include "state/statocondiviso.h"

#include <cmath>

namespace serie {

namespace {
// Only the first 20 lines are emptied: later lines are rewritten when their operation is shown,
// and the list prints no line past ContaOperazioni.
constexpr int righeVuoteAInizioSerie = 20;
constexpr double secondiInUnGiorno = 86400.0;
// The labels have room for two and three digits.
constexpr int parzialeMostrabile = 99;
constexpr int totaleMostrabile = 999;

QString* tempoEsercizio(StatoCondiviso& stato) {
    const int n = stato.NumeroEsercizio;
    return n >= 0 && n < static_cast<int>(stato.TempiEsercizio.size())
               ? &stato.TempiEsercizio[static_cast<size_t>(n)]
               : nullptr;
}

// A clock reading is seconds since midnight: an operation shown before midnight and judged after
// it gives a negative difference, which is a day short of the true time.
qint32 secondiTrascorsi(float inizio, float fine) {
    double differenza = static_cast<double>(fine) - static_cast<double>(inizio);
    if (differenza < 0) {
        differenza += secondiInUnGiorno;
    }
    return static_cast<qint32>(std::floor(differenza));
}
} // namespace

QString* rigaInCorso(StatoCondiviso& stato) {
    const int n = stato.ContaOperazioni;
    return n >= 1 && n <= operazioniMassime ? &stato.RigheStampa[static_cast<size_t>(n)] : nullptr;
}

void iniziaSerie(StatoCondiviso& stato) {
    stato.LivelloSerie = stato.Livello;
    stato.DescrizioneLivelloSerie = stato.DescrizioneLivello;
    stato.NumeroEsercizio = 0;
    stato.ContaOperazioni = 0;
    stato.NumeroOperazione = 0;
    stato.TempoTotale = 0;
    stato.TotaleEsatte = 0;
    stato.RisposteEsatte = 0;
    stato.RisposteErrate = 0;
    stato.RifiutiAiuto = 0;
    stato.TempoParziale = 0;
    for (int i = 1; i <= righeVuoteAInizioSerie; ++i) {
        stato.RigheStampa[static_cast<size_t>(i)].clear();
    }
    iniziaEsercizio(stato);
}

void iniziaEsercizio(StatoCondiviso& stato) {
    ++stato.NumeroEsercizio;
    stato.TempoTotale = 0;
    if (QString* tempo = tempoEsercizio(stato)) {
        tempo->clear();
    }
}

bool serieCompleta(const StatoCondiviso& stato) {
    return stato.ContaOperazioni >= operazioniMassime;
}

bool avanzaOperazione(StatoCondiviso& stato) {
    if (serieCompleta(stato)) {
        return false;
    }
    ++stato.NumeroOperazione;
    ++stato.ContaOperazioni;
    return true;
}

bool VerificaRisposta(StatoCondiviso& stato) {
    const QString risposta = stato.Risposta.trimmed();
    // Texts, not numbers: "07" is not the answer 7. An empty answer is wrong even when there is
    // nothing to compare it with.
    const bool esatta = !risposta.isEmpty() && risposta == stato.TestoRisultato.trimmed();
    if (esatta) {
        ++stato.RisposteEsatte;
        ++stato.TotaleEsatte;
        stato.MarcaRisposta = QStringLiteral("  ");
    } else {
        ++stato.RisposteErrate;
        stato.MarcaRisposta = QStringLiteral("* ");
    }
    if (QString* riga = rigaInCorso(stato)) {
        *riga += stato.Risposta + stato.MarcaRisposta;
    }
    return esatta;
}

TempiMostrati AggiornaTempi(StatoCondiviso& stato, float ora) {
    stato.FineOperazione = ora;
    stato.TempoParziale = secondiTrascorsi(stato.InizioOperazione, stato.FineOperazione);
    stato.TestoTempoParziale = testoConSpazio(stato.TempoParziale);
    stato.TempoTotale += stato.TempoParziale;
    const QString totale = testoConSpazio(stato.TempoTotale);
    if (QString* tempo = tempoEsercizio(stato)) {
        *tempo = totale;
    }
    // The caps change only what the labels show; the times keep their true values.
    return {stato.TempoParziale > parzialeMostrabile ? QString::number(parzialeMostrabile)
                                                     : stato.TestoTempoParziale,
            stato.TempoTotale > totaleMostrabile ? QString::number(totaleMostrabile) : totale};
}

} // namespace serie
