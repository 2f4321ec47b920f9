// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/tendine.h"

void Tendine::chiudi(double larghezzaFinestra) {
    destra = larghezzaFinestra / 2;
    sinistra = larghezzaFinestra / 2;
}

bool Tendine::avanza() {
    // A panel never goes below zero: once one would, the rest of this tick is left out.
    if (destra - passo >= 0) {
        destra -= passo;
        if (sinistra - passo >= 0) {
            sinistra -= passo;
        }
    }
    return destra <= soglia;
}
