// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The curtain over the start window: two panels that start at half the window's width each and
// shrink by 75 twips a tick until the right one is 74 twips wide or less.
struct Tendine {
    static constexpr double passo = 75;
    static constexpr double soglia = 74;

    double destra = 0;   // the right panel
    double sinistra = 0; // the left panel

    void chiudi(double larghezzaFinestra);
    // One tick; true when the curtain is open and the ticking must stop.
    bool avanza();
};
