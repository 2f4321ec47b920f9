// SPDX-License-Identifier: GPL-3.0-or-later
// Finds a control of VELTRIX by the name the program gave it (its objectName), in a visible
// window with the given title, and prints where it lies on the screen as "x y width height", for
// a click at its centre that travels the real input path. The search itself runs inside the
// program: sonda.dll, beside this program, is hooked to the window's thread and answers there.
// Usage: trova.exe title name
// Exit code: 0 found; 1 wrong arguments or no such window; 2 no control by that name; 3 there
// but hidden, disabled or covered; 4 more than one; 5 not a window of Qt's; 6 the probe did not
// answer.
#include "trova.h"

#include <stdio.h>
#include <wchar.h>

// Of two windows' answers, the one that says most: a control that is there but cannot be pressed
// yet tells the caller to wait, where one that is absent does not.
static const int peso[] = {
    [trovaSenzaRisposta] = 1, [trovaFinestraEstranea] = 2, [trovaAssente] = 3,
    [trovaNonPremibile] = 4,  [trovaAmbiguo] = 5,          [trovaTrovato] = 6,
};

// Asks the probe about one window; the answer is left in r.
static void chiedi(HWND finestra, HMODULE modulo, HOOKPROC chiamata, struct RichiestaTrova* r) {
    r->finestra = finestra;
    r->esito = trovaSenzaRisposta;
    HHOOK gancio = SetWindowsHookExW(WH_CALLWNDPROC, chiamata, modulo,
                                     GetWindowThreadProcessId(finestra, NULL));
    if (!gancio)
        return;
    DWORD_PTR ignorato;
    // A program that stopped answering must not hold the caller for ever.
    SendMessageTimeoutW(finestra, RegisterWindowMessageW(TROVA_MESSAGGIO), GetCurrentProcessId(), 0,
                        SMTO_ABORTIFHUNG, 10000, &ignorato);
    UnhookWindowsHookEx(gancio);
    // A click at the centre of a control that another window covers would land on that one.
    POINT centro = {r->x + r->larghezza / 2, r->y + r->altezza / 2};
    if (r->esito == trovaTrovato && GetAncestor(WindowFromPoint(centro), GA_ROOT) != finestra)
        r->esito = trovaNonPremibile;
}

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || wcslen(argv[2]) >= ARRAYSIZE(((struct RichiestaTrova*)0)->nome))
        return 1;
    wchar_t sonda[MAX_PATH];
    DWORD lunghezza = GetModuleFileNameW(NULL, sonda, MAX_PATH);
    wchar_t* barra = wcsrchr(sonda, L'\\');
    if (!lunghezza || lunghezza >= MAX_PATH || !barra || barra - sonda + 10 >= MAX_PATH)
        return 6;
    wcscpy(barra + 1, L"sonda.dll");
    // Only to name the hook's code: its imports are Qt's, which the program resolves.
    HMODULE modulo = LoadLibraryExW(sonda, NULL, DONT_RESOLVE_DLL_REFERENCES);
    HOOKPROC chiamata = modulo ? (HOOKPROC)(void*)GetProcAddress(modulo, "chiamataSonda") : NULL;
    wchar_t nomeMemoria[64];
    swprintf(nomeMemoria, ARRAYSIZE(nomeMemoria), TROVA_MEMORIA, GetCurrentProcessId());
    HANDLE memoria = CreateFileMappingW(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0,
                                        sizeof(struct RichiestaTrova), nomeMemoria);
    struct RichiestaTrova* r =
        memoria ? MapViewOfFile(memoria, FILE_MAP_ALL_ACCESS, 0, 0, 0) : NULL;
    if (!chiamata || !r)
        return 6;
    wcscpy(r->nome, argv[2]);

    // Every visible window with the title: a message box of the program's can bear its name too,
    // and Qt keeps hidden windows of its own.
    int migliore = -1, trovati = 0;
    struct RichiestaTrova trovato;
    for (HWND finestra = NULL; (finestra = FindWindowExW(NULL, finestra, NULL, argv[1]));) {
        if (!IsWindowVisible(finestra))
            continue;
        chiedi(finestra, modulo, chiamata, r);
        if (r->esito == trovaTrovato && trovati++ == 0)
            trovato = *r;
        if (migliore < 0 || peso[r->esito] > peso[migliore])
            migliore = r->esito;
    }
    if (migliore < 0)
        return 1;
    if (trovati > 1)
        return trovaAmbiguo;
    if (trovati == 1)
        printf("%d %d %d %d\n", trovato.x, trovato.y, trovato.larghezza, trovato.altezza);
    return migliore;
}
