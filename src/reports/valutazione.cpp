#include "reports/valutazione.h"

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
