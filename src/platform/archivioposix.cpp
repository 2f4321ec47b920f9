// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/archivioposix.h"

#include "platform/archivioprovvisorio.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool scriviTutto(int fd, const QByteArray& dati) {
    qsizetype fatti = 0;
    while (fatti < dati.size()) {
        const ssize_t n = ::write(fd, dati.constData() + fatti, size_t(dati.size() - fatti));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        fatti += n;
    }
    return true;
}

bool negato(const QByteArray& percorso, int modo) {
    return ::faccessat(AT_FDCWD, percorso.constData(), modo, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EPERM || errno == EROFS);
}

// A settings file that is there but may not be read still holds the teacher's settings: this
// run started from the defaults instead, and writing them would lose the real ones. One that may
// not be written was locked on purpose, to keep a pupils' PC on one operation: the rename would
// replace it all the same, since it asks only the folder. Root, whom the permission bits do not
// stop, is held to them here: a file nobody may write is locked for root too.
bool daNonToccare(const QByteArray& percorso) {
    struct stat info {};
    if (::stat(percorso.constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    if (::geteuid() == 0) {
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    }
    return negato(percorso, R_OK) || negato(percorso, W_OK);
}

// The running program's own file under the settings file's name: the file itself, another name
// of it, or a link to it, which the rename would replace as well.
bool eIlProgramma(const QByteArray& programma, const struct stat& info) {
    struct stat suo {};
    return !programma.isEmpty() && ::stat(programma.constData(), &suo) == 0 &&
           suo.st_dev == info.st_dev && suo.st_ino == info.st_ino;
}

// A file only this save has ever used, made here and now (O_EXCL) and never through a link, so
// nothing that another program or an earlier run left behind is written or emptied, and no other
// save can empty this one once it is in place. A name found taken is drawn again.
int creaProvvisorio(const QString& percorso, QByteArray& nome) {
    for (int tentativo = 0; tentativo < 8; ++tentativo) {
        nome = QFile::encodeName(nomeProvvisorio(percorso));
        const int fd =
            ::open(nome.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}
} // namespace

ArchivioPosix::ArchivioPosix(const QString& fileProgramma)
    : programma(QFile::encodeName(fileProgramma)) {}

// Only a regular file is read: a named pipe in its place would hold the start forever, and a
// device or a directory is no settings file, nor is the program itself.
std::optional<QByteArray> ArchivioPosix::leggi(const QString& percorso, qint64 massimo) const {
    const int fd =
        ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<QByteArray> letto;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && !eIlProgramma(programma, info)) {
        QByteArray dati(massimo, Qt::Uninitialized);
        qsizetype quanti = 0;
        ssize_t n = 0;
        while (quanti < massimo &&
               (n = ::read(fd, dati.data() + quanti, size_t(massimo - quanti))) != 0) {
            if (n < 0 && errno != EINTR) {
                break;
            }
            quanti += n > 0 ? n : 0;
        }
        if (n >= 0) {
            dati.truncate(quanti);
            letto = dati;
        }
    }
    ::close(fd);
    return letto;
}

bool ArchivioPosix::sostituisci(const QString& percorso, const QByteArray& contenuto) {
    const QByteArray definitivo = QFile::encodeName(percorso);
    struct stat info {};
    if (daNonToccare(definitivo) ||
        (::stat(definitivo.constData(), &info) == 0 && eIlProgramma(programma, info))) {
        return false;
    }
    QByteArray provvisorio;
    const int fd = creaProvvisorio(percorso, provvisorio);
    if (fd < 0) {
        return false;
    }
    // On disk before the rename, or a crash could leave the new name on an empty file.
    const bool scritto = scriviTutto(fd, contenuto) && ::fsync(fd) == 0;
    const bool chiuso = ::close(fd) == 0;
    const bool rinominato =
        scritto && chiuso && std::rename(provvisorio.constData(), definitivo.constData()) == 0;
    if (!rinominato) {
        ::unlink(provvisorio.constData());
    }
    return rinominato;
}
