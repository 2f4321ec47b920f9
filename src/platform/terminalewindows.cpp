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

std::optional<QString> leggiDalTerminale(bool nascosto) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    const HANDLE h = GetStdHandle(STD_INPUT_HANDLE);
    if (h == nullptr || h == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    DWORD modo = 0;
    const bool console = GetConsoleMode(h, &modo);
    if (nascosto && console) {
        SetConsoleMode(h, modo & ~DWORD(ENABLE_ECHO_INPUT));
    }
    std::wstring riga;
    wchar_t c = 0;
    DWORD letti = 0;
    bool letto = false;
    while (console ? ReadConsoleW(h, &c, 1, &letti, nullptr) && letti == 1
                   : ReadFile(h, &c, 1, &letti, nullptr) && letti == 1) {
        letto = true;
        if (c == L'\n') {
            break;
        }
        if (c != L'\r') {
            riga.push_back(console ? c : wchar_t(static_cast<unsigned char>(c)));
        }
    }
    if (nascosto && console) {
        SetConsoleMode(h, modo);
        scriviSulTerminale(QStringLiteral("\n"));
    }
    if (!letto) {
        return std::nullopt;
    }
    return QString::fromStdWString(riga).trimmed();
}
