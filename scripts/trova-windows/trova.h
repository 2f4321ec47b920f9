// SPDX-License-Identifier: GPL-3.0-or-later
// What trova.exe asks of sonda.dll, loaded into the program, and its answer: both map this into
// memory, named after trova.exe's process, so that two searches never read each other's answer.
#ifndef VELTRIX_TROVA_H
#define VELTRIX_TROVA_H

#include <windows.h>

// The message trova.exe sends to the window; its wParam is trova.exe's process id.
#define TROVA_MESSAGGIO L"veltrix-trova"
#define TROVA_MEMORIA L"Local\\veltrix-trova-%lu"

// The probe's answers, which are also trova.exe's exit codes.
enum EsitoTrova {
    trovaTrovato = 0,
    // No control by that name in the window.
    trovaAssente = 2,
    // There, but hidden or disabled, as a control is until what it depends on has been chosen.
    trovaNonPremibile = 3,
    // More than one control the user could press has that name: which one is meant is unknown.
    trovaAmbiguo = 4,
    // The window is not one of the program's Qt windows.
    trovaFinestraEstranea = 5,
    // The probe never ran: the program did not load it, or was busy for too long.
    trovaSenzaRisposta = 6,
};

struct RichiestaTrova {
    HWND finestra;
    wchar_t nome[128];
    int esito;
    // The control's rectangle on the screen, in the screen's pixels.
    int x, y, larghezza, altezza;
};

#endif
