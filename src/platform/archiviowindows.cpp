// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/archiviowindows.h"

#include <QDir>

#include <windows.h>

namespace {
std::wstring nativo(const QString& percorso) {
    return QDir::toNativeSeparators(percorso).toStdWString();
}

class Maniglia {
public:
    explicit Maniglia(HANDLE h) : h(h) {}
    ~Maniglia() { chiudi(); }
    Maniglia(const Maniglia&) = delete;
    Maniglia& operator=(const Maniglia&) = delete;
    bool valida() const { return h != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h; }
    bool chiudi() {
        const bool chiusa = !valida() || CloseHandle(h);
        h = INVALID_HANDLE_VALUE;
        return chiusa;
    }

private:
    HANDLE h;
};

// A plain file on a disk, with this one name: no directory, device, pipe or link, and no file
// that another name would see change.
bool fileSemplice(HANDLE h, bool unicoNome) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
           !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
           (!unicoNome || info.nNumberOfLinks == 1);
}

bool scriviTutto(HANDLE h, const QByteArray& dati) {
    qsizetype fatti = 0;
    while (fatti < dati.size()) {
        DWORD n = 0;
        const DWORD blocco = DWORD(qMin<qsizetype>(dati.size() - fatti, 1 << 20));
        if (!WriteFile(h, dati.constData() + fatti, blocco, &n, nullptr) || n == 0) {
            return false;
        }
        fatti += n;
    }
    return true;
}

// A settings file that is there but may not be read still holds the teacher's settings: this
// run started from the defaults instead, and writing them would lose the real ones. One marked
// read-only was kept so on purpose: Windows refuses to replace it, and so does this, on any file
// system (Wine's own, for one, would let the move through).
bool daNonToccare(const std::wstring& percorso) {
    const DWORD attributi = GetFileAttributesW(percorso.c_str());
    if (attributi == INVALID_FILE_ATTRIBUTES || (attributi & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    if (attributi & FILE_ATTRIBUTE_READONLY) {
        return true;
    }
    const Maniglia h(CreateFileW(percorso.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !h.valida() && GetLastError() == ERROR_ACCESS_DENIED;
}
} // namespace

// Only a plain file is read: a directory or a device in its place is no settings file.
std::optional<QByteArray> ArchivioWindows::leggi(const QString& percorso, qint64 massimo) const {
    const Maniglia h(CreateFileW(nativo(percorso).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.valida() || !fileSemplice(h.get(), false)) {
        return std::nullopt;
    }
    QByteArray dati(massimo, Qt::Uninitialized);
    qsizetype quanti = 0;
    while (quanti < massimo) {
        DWORD n = 0;
        const DWORD blocco = DWORD(qMin<qint64>(massimo - quanti, 1 << 20));
        if (!ReadFile(h.get(), dati.data() + quanti, blocco, &n, nullptr)) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        quanti += n;
    }
    dati.truncate(quanti);
    return dati;
}

bool ArchivioWindows::sostituisci(const QString& percorso, const QByteArray& contenuto) {
    const std::wstring definitivo = nativo(percorso);
    if (daNonToccare(definitivo)) {
        return false;
    }
    const std::wstring provvisorio = nativo(percorso + QStringLiteral(".tmp"));
    // A link left at the temporary name is opened as itself, not followed, and then refused, as
    // is a file with another name: writing either would overwrite a file that is not ours. The
    // file is emptied only once it is known to be ours.
    Maniglia h(CreateFileW(provvisorio.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!h.valida()) {
        return false;
    }
    if (!fileSemplice(h.get(), true)) {
        return false;
    }
    // On disk before the move, or a crash could leave the new name on an empty file.
    const bool scritto =
        SetEndOfFile(h.get()) && scriviTutto(h.get(), contenuto) && FlushFileBuffers(h.get());
    const bool chiuso = h.chiudi();
    const bool spostato = scritto && chiuso &&
                          MoveFileExW(provvisorio.c_str(), definitivo.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!spostato) {
        DeleteFileW(provvisorio.c_str());
    }
    return spostato;
}
