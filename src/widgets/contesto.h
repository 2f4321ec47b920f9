// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/servizi.h"
#include "register/registro.h"
#include "state/statocondiviso.h"
#include "widgets/finestre.h"

// What every window is built with: the shared state, the system's services and the window set.
struct Contesto {
    StatoCondiviso& stato;
    Servizi& servizi;
    Finestre& finestre;
    // The class register, where the program keeps one; none in most window tests.
    Registro* registro = nullptr;
};
