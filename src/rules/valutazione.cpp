// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/valutazione.h"

#include <cmath>

std::optional<int> decimiEsatti(int esatte, int operazioni) {
    if (operazioni == 0) {
        return std::nullopt;
    }
    // In floating point: 10 x 17 / 20 is 8.5, and its integer part is the grade's 8.
    return static_cast<int>(std::floor(10.0 * esatte / operazioni));
}

const FasciaValutazione& fasciaValutazione(std::optional<int> p) {
    if (p) {
        for (const FasciaValutazione& fascia : fasceValutazione) {
            if (*p >= fascia.pMinimo && *p <= fascia.pMassimo) {
                return fascia;
            }
        }
    }
    return nonClassificato;
}

QString testoValutazione(const FasciaValutazione& fascia) {
    return QString::fromUtf8(fascia.testo);
}

QString almenoOperazioniMinime() {
    return QStringLiteral("almeno %1 operazioni").arg(operazioniMinime);
}

QString richiestaOperazioniMinime() {
    return QStringLiteral("Esegui ") + almenoOperazioniMinime() + QStringLiteral(". ");
}

namespace {
// "del 50 %" but "dell'80 %", "dal 70 %" but "dall'80 %": the article is elided before a vowel
// sound. preposizione is "de" or "da". The bands are whole tenths, so the shares are multiples
// of ten, and 80 is the only one of them read with a vowel first.
QString articolata(const char* preposizione, int percento) {
    const bool vocale = percento == 80;
    return QLatin1String(preposizione) + (vocale ? QStringLiteral("ll'") : QStringLiteral("l ")) +
           QStringLiteral("%1 %").arg(percento);
}
} // namespace

QString quotaDellaFascia(const FasciaValutazione& fascia) {
    const int da = fascia.pMinimo * 10;
    const int a = (fascia.pMassimo + 1) * 10;
    if (fascia.pMinimo <= 0) {
        return QStringLiteral("meno ") + articolata("de", a);
    }
    if (fascia.pMassimo >= 10) {
        return articolata("da", da) + QStringLiteral(" in su");
    }
    return articolata("da", da) + QStringLiteral(" a meno ") + articolata("de", a);
}
