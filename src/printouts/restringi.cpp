// SPDX-License-Identifier: GPL-3.0-or-later
#include "printouts/restringi.h"

#include <algorithm>

double puntiPerLarghezza(double punti, double disponibile,
                         const std::function<double(double)>& larghezza) {
    constexpr double minimo = 1;
    double scelti = punti;
    double misura = larghezza(scelti);
    // Hinted widths do not follow the size in proportion (Windows' least of all): one step can
    // leave the text wider than the room, so it shrinks on until it fits.
    for (int tentativo = 0; tentativo < 50 && misura > disponibile && scelti > minimo;
         ++tentativo) {
        const double rapporto = std::max(disponibile, 0.0) / misura;
        scelti = std::max(minimo, scelti * (tentativo == 0 ? rapporto : std::min(rapporto, 0.98)));
        misura = larghezza(scelti);
    }
    return scelti;
}
