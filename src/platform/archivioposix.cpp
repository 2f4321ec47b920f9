// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/archivioposix.h"

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

// A settings file that is there but may not be read still holds the teacher's settings: this
// run started from the defaults instead, and writing them would lose the real ones.
bool presenteMaIlleggibile(const QByteArray& percorso) {
    return ::faccessat(AT_FDCWD, percorso.constData(), R_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EPERM);
}
} // namespace

// Only a regular file is read: a named pipe in its place would hold the start forever, and a
// device or a directory is no settings file.
std::optional<QByteArray> ArchivioPosix::leggi(const QString& percorso, qint64 massimo) const {
    const int fd =
        ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<QByteArray> letto;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
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
    if (presenteMaIlleggibile(definitivo)) {
        return false;
    }
    const QByteArray provvisorio = QFile::encodeName(percorso + QStringLiteral(".tmp"));
    // A link left at the temporary name must not be followed, nor a file that has other names
    // be emptied: either would overwrite a file that is not ours. A named pipe there would hold
    // the open until something read it: it fails at once instead, or is refused below.
    const int fd = ::open(provvisorio.constData(),
                          O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
        ::close(fd);
        return false;
    }
    // On disk before the rename, or a crash could leave the new name on an empty file.
    const bool scritto = ::ftruncate(fd, 0) == 0 && scriviTutto(fd, contenuto) && ::fsync(fd) == 0;
    const bool chiuso = ::close(fd) == 0;
    const bool rinominato =
        scritto && chiuso && std::rename(provvisorio.constData(), definitivo.constData()) == 0;
    if (!rinominato) {
        ::unlink(provvisorio.constData());
    }
    return rinominato;
}
