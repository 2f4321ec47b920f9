// SPDX-License-Identifier: GPL-3.0-or-later
#include "printouts/restringi.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double passo = 0.25;
} // namespace

double puntiCheEntrano(double progetto, double minimo, const std::function<bool(double)>& entra,
                       std::optional<double> stima) {
    minimo = std::min(minimo, progetto);
    const int ultimo = int((progetto - minimo) / passo);
    const auto punti = [&](int passi) { return std::max(minimo, progetto - passi * passo); };
    // Steps from the design: those up to `fuori` are known too large, from `dentro` on the text
    // fits (the least size is taken as fitting, since nothing smaller is allowed).
    int fuori = -1;
    int dentro = ultimo;
    const auto prova = [&](int passi) { (entra(punti(passi)) ? dentro : fuori) = passi; };
    if (stima) {
        const int previsto = std::clamp(int(std::ceil((progetto - *stima) / passo)), 0, ultimo);
        prova(previsto);
        if (dentro == previsto) {
            return punti(previsto);
        }
    }
    while (dentro - fuori > 1) {
        prova(fuori < 0 ? 0 : (dentro + fuori) / 2);
    }
    return punti(dentro);
}

double puntiPerLarghezza(double punti, double disponibile,
                         const std::function<double(double)>& larghezza) {
    const double misura = larghezza(punti);
    if (misura <= disponibile) {
        return punti;
    }
    // Hinted widths do not follow the size in proportion (Windows' least of all): the size
    // foreseen may still be too wide, and the search goes on below it.
    const double stima = punti * std::max(disponibile, 0.0) / misura;
    return puntiCheEntrano(
        punti, 1, [&](double p) { return larghezza(p) <= disponibile; }, stima);
}
