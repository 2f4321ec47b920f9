// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filenuovo.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
// Jobs in the same second from several windows stay far below this.
constexpr int tentativi = 1000;
} // namespace

QString creaFileNuovo(const QString& base, const QString& estensione, QFile& file) {
    for (int n = 1; n <= tentativi; ++n) {
        const QString nome =
            n == 1 ? base + estensione : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(estensione);
        const int fd = ::open(QFile::encodeName(nome).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
                return nome;
            }
            ::close(fd);
            QFile::remove(nome);
            return {};
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}
