// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filenuovo.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

// CREATE_NEW fails on any name already taken, a link included, which is opened as itself and
// never followed. The handle becomes a C descriptor in binary mode, which QFile takes over.
Creazione creaSeNuovo(const QString& nome, QFile& file) {
    const std::wstring nativo = QDir::toNativeSeparators(nome).toStdWString();
    const HANDLE h =
        CreateFileW(nativo.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        // A directory at the name is refused as "access denied", not as a name taken.
        const DWORD errore = GetLastError();
        const bool occupato = errore == ERROR_FILE_EXISTS || errore == ERROR_ALREADY_EXISTS ||
                              GetFileAttributesW(nativo.c_str()) != INVALID_FILE_ATTRIBUTES;
        return occupato ? Creazione::Occupato : Creazione::Fallito;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
    } else if (file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        return Creazione::Creato;
    } else {
        _close(fd);
    }
    QFile::remove(nome);
    return Creazione::Fallito;
}

// The working folder is in the user's own profile, whose permissions already keep others out.
bool creaFilePrivato(const QString& nome) {
    QFile file;
    return creaSeNuovo(nome, file) == Creazione::Creato;
}
