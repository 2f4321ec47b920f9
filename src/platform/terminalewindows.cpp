// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminale.h"

#include <windows.h>

#include <string>

// The program has no console: it borrows the one of the terminal it was started from. Written to
// a console, the text goes as it is; to a file or a pipe, as UTF-8.
void scriviSulTerminale(const QString& testo, Flusso flusso) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    const HANDLE h = GetStdHandle(flusso == Flusso::uscita ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (h == nullptr || h == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD scritti = 0;
    const std::wstring largo =
        QString(testo).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdWString();
    if (!WriteConsoleW(h, largo.c_str(), DWORD(largo.size()), &scritti, nullptr)) {
        const QByteArray utf8 = testo.toUtf8();
        WriteFile(h, utf8.constData(), DWORD(utf8.size()), &scritti, nullptr);
    }
}
