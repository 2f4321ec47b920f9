// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codawindows.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

namespace {
// Whether the user has any printer, local or a connection to a shared one.
bool ciSonoStampanti() {
    DWORD serve = 0;
    DWORD quante = 0;
    const DWORD dove = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    EnumPrintersW(dove, nullptr, 4, nullptr, 0, &serve, &quante);
    if (serve == 0) {
        return false;
    }
    std::vector<BYTE> dati(serve);
    return EnumPrintersW(dove, nullptr, 4, dati.data(), serve, &serve, &quante) && quante > 0;
}
} // namespace

CodaStampa::Predefinita CodaWindows::predefinita() {
    DWORD lunghezza = 0;
    GetDefaultPrinterW(nullptr, &lunghezza);
    std::vector<wchar_t> nome(lunghezza + 1);
    if (lunghezza == 0 || !GetDefaultPrinterW(nome.data(), &lunghezza)) {
        return {{}, ciSonoStampanti() ? Mancanza::NessunaPredefinita : Mancanza::NessunaStampante};
    }
    return {QString::fromWCharArray(nome.data()), Mancanza::Nessuna};
}

// A printer the spooler cannot open, or one being removed, takes no job. A paused printer does:
// the job waits in its queue, as the teacher expects of Windows, and the teacher is told so.
CodaStampa::Condizione CodaWindows::condizione(const QString& stampante) {
    std::wstring nome = stampante.toStdWString();
    HANDLE h = nullptr;
    Condizione c;
    if (!OpenPrinterW(nome.data(), &h, nullptr)) {
        c.rifiuto = QStringLiteral("non raggiungibile");
        return c;
    }
    DWORD serve = 0;
    GetPrinterW(h, 2, nullptr, 0, &serve);
    std::vector<BYTE> dati(serve);
    if (serve > 0 && GetPrinterW(h, 2, dati.data(), serve, &serve)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(dati.data());
        if (info->Status & PRINTER_STATUS_PENDING_DELETION) {
            c.rifiuto = QStringLiteral("in corso di rimozione");
        } else if (info->Status & PRINTER_STATUS_PAUSED) {
            c.ferma = QStringLiteral("in pausa");
        }
    }
    ClosePrinter(h);
    return c;
}

CodaStampa::Invio CodaWindows::invia(const QString&, const QString&, const QByteArray&) {
    return {0, QStringLiteral("la coda di Windows non accetta documenti PDF"), true};
}

CodaStampa::Esito CodaWindows::esito(const QString&, int) {
    return {};
}
