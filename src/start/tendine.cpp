// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/tendine.h"

#include <algorithm>

void Tendine::chiudi(double larghezzaFinestra) {
    destra = larghezzaFinestra / 2;
    sinistra = larghezzaFinestra / 2;
}

bool Tendine::avanza(double ms, double larghezzaFinestra) {
    trascorsi = ms;
    const double chiusa = std::max(0.0, 1 - trascorsi / durata);
    chiudi(larghezzaFinestra * chiusa);
    return destra <= soglia;
}
