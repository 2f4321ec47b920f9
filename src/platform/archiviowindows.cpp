// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/archiviowindows.h"

#include "platform/archivioprovvisorio.h"

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

// A plain file on a disk: no directory, device, pipe or link.
bool fileSemplice(HANDLE h) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
           !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

// Which file a name leads to, through any link: its volume and its index on it.
bool identita(const std::wstring& percorso, BY_HANDLE_FILE_INFORMATION& info) {
    const Maniglia h(CreateFileW(percorso.c_str(), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return h.valida() && GetFileInformationByHandle(h.get(), &info);
}

// The running program's file, reached by its own name or through a link.
bool eIlProgramma(const std::wstring& programma, const std::wstring& percorso) {
    BY_HANDLE_FILE_INFORMATION suo{};
    BY_HANDLE_FILE_INFORMATION altro{};
    return !programma.empty() && identita(programma, suo) && identita(percorso, altro) &&
           suo.dwVolumeSerialNumber == altro.dwVolumeSerialNumber &&
           suo.nFileIndexHigh == altro.nFileIndexHigh && suo.nFileIndexLow == altro.nFileIndexLow;
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

// A file only this save has ever used, made here and now (CREATE_NEW) and, were a link at the
// name, never through it: nothing another program or an earlier run left behind is written or
// emptied, and no other save can empty this one once it is in place. A name found taken is
// drawn again.
HANDLE creaProvvisorio(const QString& percorso, std::wstring& nome) {
    for (int tentativo = 0; tentativo < 8; ++tentativo) {
        nome = nativo(nomeProvvisorio(percorso));
        const HANDLE h = CreateFileW(nome.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        const DWORD errore = GetLastError();
        if (h != INVALID_HANDLE_VALUE ||
            (errore != ERROR_FILE_EXISTS && errore != ERROR_ALREADY_EXISTS)) {
            return h;
        }
    }
    return INVALID_HANDLE_VALUE;
}
} // namespace

ArchivioWindows::ArchivioWindows(const QString& fileProgramma) : programma(nativo(fileProgramma)) {}

// Only a plain file is read: a directory or a device in its place is no settings file, nor is
// the program itself.
std::optional<QByteArray> ArchivioWindows::leggi(const QString& percorso, qint64 massimo) const {
    const std::wstring nome = nativo(percorso);
    if (eIlProgramma(programma, nome)) {
        return std::nullopt;
    }
    const Maniglia h(CreateFileW(nome.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.valida() || !fileSemplice(h.get())) {
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
    if (daNonToccare(definitivo) || eIlProgramma(programma, definitivo)) {
        return false;
    }
    std::wstring provvisorio;
    Maniglia h(creaProvvisorio(percorso, provvisorio));
    if (!h.valida()) {
        return false;
    }
    // On disk before the move, or a crash could leave the new name on an empty file.
    const bool scritto = scriviTutto(h.get(), contenuto) && FlushFileBuffers(h.get());
    const bool chiuso = h.chiudi();
    const bool spostato = scritto && chiuso &&
                          MoveFileExW(provvisorio.c_str(), definitivo.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!spostato) {
        DeleteFileW(provvisorio.c_str());
    }
    return spostato;
}
