#include "rules/impostazioni.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A settings file is one short line; anything longer is not ours.
constexpr qint64 massimoLetto = 4096;

std::optional<qint16> leggiNumero(const QString& testo) {
    bool ok = false;
    const int valore = testo.toInt(&ok, 10);
    if (!ok || valore < -32768 || valore > 32767) {
        return std::nullopt;
    }
    return static_cast<qint16>(valore);
}

// Only a regular file is read: a named pipe in its place would hold the start forever, and a
// device or a directory is no settings file.
std::optional<QByteArray> leggiFileNormale(const QString& percorso) {
    const int fd =
        ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<QByteArray> letto;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        QByteArray dati(massimoLetto, Qt::Uninitialized);
        qsizetype quanti = 0;
        ssize_t n = 0;
        while (quanti < massimoLetto &&
               (n = ::read(fd, dati.data() + quanti, size_t(massimoLetto - quanti))) != 0) {
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

QByteArray numeroConSegno(qint16 n) {
    const QByteArray cifre = QByteArray::number(qAbs(int(n)));
    return (n < 0 ? "-" : " ") + cifre + " ";
}
} // namespace

QString nomeFileImpostazioni(const QString& nomeProgramma) {
    return nomeProgramma + QStringLiteral(".dat");
}

void leggiLivelli(const QString& percorso, qint16& Operazione, qint16& GruppoObiettivi) {
    const auto letto = leggiFileNormale(percorso);
    if (!letto) {
        GruppoObiettivi = 1;
        return;
    }
    leggiLivelliDa(*letto, Operazione, GruppoObiettivi);
}

void leggiLivelliDa(const QByteArray& contenuto, qint16& Operazione, qint16& GruppoObiettivi) {
    const QString testo = QString::fromLatin1(contenuto.left(massimoLetto));
    static const QRegularExpression separatori(QStringLiteral("[\\s,]+"));
    const QStringList parti = testo.split(separatori, Qt::SkipEmptyParts);

    const auto primo = parti.size() > 0 ? leggiNumero(parti[0]) : std::nullopt;
    if (!primo) {
        GruppoObiettivi = 1;
        return;
    }
    Operazione = *primo;
    const auto secondo = parti.size() > 1 ? leggiNumero(parti[1]) : std::nullopt;
    GruppoObiettivi = secondo ? *secondo : qint16(1);
}

QByteArray rigaImpostazioni(qint16 Operazione, qint16 GruppoObiettivi) {
    return numeroConSegno(Operazione) + numeroConSegno(GruppoObiettivi) + "\r\n";
}

bool scriviLivelli(const QString& percorso, qint16 Operazione, qint16 GruppoObiettivi) {
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
    const QByteArray riga = rigaImpostazioni(Operazione, GruppoObiettivi);
    // On disk before the rename, or a crash could leave the new name on an empty file.
    const bool scritto = ::ftruncate(fd, 0) == 0 && scriviTutto(fd, riga) && ::fsync(fd) == 0;
    const bool chiuso = ::close(fd) == 0;
    const bool rinominato =
        scritto && chiuso && std::rename(provvisorio.constData(), definitivo.constData()) == 0;
    if (!rinominato) {
        ::unlink(provvisorio.constData());
    }
    return rinominato;
}
