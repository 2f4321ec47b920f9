// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codawindows.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

QString CodaWindows::predefinita() {
    DWORD lunghezza = 0;
    GetDefaultPrinterW(nullptr, &lunghezza);
    if (lunghezza == 0) {
        return {};
    }
    std::vector<wchar_t> nome(lunghezza);
    if (!GetDefaultPrinterW(nome.data(), &lunghezza)) {
        return {};
    }
    return QString::fromWCharArray(nome.data());
}

// A printer the spooler cannot open, or one being removed, takes no job. A paused or offline
// printer does: the job waits in its queue, as the teacher expects of Windows.
std::optional<QString> CodaWindows::rifiutaLavori(const QString& stampante) {
    std::wstring nome = stampante.toStdWString();
    HANDLE h = nullptr;
    if (!OpenPrinterW(nome.data(), &h, nullptr)) {
        return QStringLiteral("non raggiungibile");
    }
    DWORD serve = 0;
    GetPrinterW(h, 2, nullptr, 0, &serve);
    std::vector<BYTE> dati(serve);
    std::optional<QString> rifiuto;
    if (serve > 0 && GetPrinterW(h, 2, dati.data(), serve, &serve)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(dati.data());
        if (info->Status & PRINTER_STATUS_PENDING_DELETION) {
            rifiuto = QStringLiteral("in corso di rimozione");
        }
    }
    ClosePrinter(h);
    return rifiuto;
}

CodaStampa::Invio CodaWindows::invia(const QString&, const QString&, const QByteArray&) {
    return {0, QStringLiteral("la coda di Windows non accetta documenti PDF")};
}

CodaStampa::Esito CodaWindows::esito(const QString&, int) {
    return {};
}
