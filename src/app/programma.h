// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/servizi.h"
#include "state/statocondiviso.h"
#include "widgets/contesto.h"
#include "widgets/finestre.h"

// The whole program: its shared state, its services and its windows. main() builds one with
// the real services, tests build one with fakes.
class Programma {
public:
    explicit Programma(Servizi servizi);
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    // Opens the start window; the program runs until its last window is unloaded.
    void avvia();

    StatoCondiviso stato;
    Servizi servizi;
    Finestre finestre;
    Contesto contesto{stato, servizi, finestre};
};
