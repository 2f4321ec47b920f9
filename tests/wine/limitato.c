// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program as a user without administrator rights would, and exits with its exit code:
// Wine's own processes always hold them, so the Administrators group is turned into one that only
// denies, as in the token Windows gives a standard user. Usage: limitato.exe program [arguments]
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    HANDLE proprio, limitato;
    BYTE amministratori[SECURITY_MAX_SID_SIZE];
    DWORD lunghezza = sizeof amministratori;
    if (argc < 2 || !OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &proprio) ||
        !CreateWellKnownSid(WinBuiltinAdministratorsSid, NULL, amministratori, &lunghezza))
        return 100;
    SID_AND_ATTRIBUTES gruppo = {amministratori, 0};
    if (!CreateRestrictedToken(proprio, 0, 1, &gruppo, 0, NULL, 0, NULL, &limitato))
        return 101;
    // The program's command line: this one's, from the program's name on, quotes included.
    wchar_t* riga = wcsstr(GetCommandLineW(), argv[1]);
    if (riga > GetCommandLineW() && riga[-1] == L'"')
        --riga;
    STARTUPINFOW avvio = {.cb = sizeof avvio};
    PROCESS_INFORMATION processo;
    if (!CreateProcessAsUserW(limitato, NULL, riga, NULL, NULL, FALSE, 0, NULL, NULL, &avvio,
                              &processo))
        return 102;
    DWORD codice = 103;
    WaitForSingleObject(processo.hProcess, INFINITE);
    GetExitCodeProcess(processo.hProcess, &codice);
    return (int)codice;
}
