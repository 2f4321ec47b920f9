// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filenuovo.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

Creazione creaSeNuovo(const QString& nome, QFile& file) {
    const int fd = ::open(QFile::encodeName(nome).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno == EEXIST ? Creazione::Occupato : Creazione::Fallito;
    }
    if (file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        return Creazione::Creato;
    }
    ::close(fd);
    QFile::remove(nome);
    return Creazione::Fallito;
}

bool creaFilePrivato(const QString& nome) {
    const int fd = ::open(QFile::encodeName(nome).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}
