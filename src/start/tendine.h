// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The curtain over the start window: two panels that start at half the window's width each and
// open until the right one is 74 twips wide or less.
//
// On a 1024-pixel screen (a window 15360 twips wide) a panel shrinks by 75 twips every 5 ms. The
// panels move by the time elapsed, not by the ticks counted, and in proportion to the window: a
// curtain opens in the same half second on every screen, however large and however slowly it is
// painted.
struct Tendine {
    static constexpr double soglia = 74;
    // 7680 twips at 75 twips every 5 ms.
    static constexpr double durata = 512; // ms

    double destra = 0;    // the right panel
    double sinistra = 0;  // the left panel
    double trascorsi = 0; // ms since the curtain started opening

    void chiudi(double larghezzaFinestra);
    // The panels `ms` ms after the start, for a window this wide; true when the curtain is open.
    bool avanza(double ms, double larghezzaFinestra);
    // The panels where the curtain has come, for a window resized meanwhile.
    void ridimensiona(double larghezzaFinestra) { avanza(trascorsi, larghezzaFinestra); }
};
