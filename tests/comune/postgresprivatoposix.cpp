// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/postgresprivato.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <csignal>

#include <pwd.h>
#include <unistd.h>

namespace {
// Where the server's programs are: Debian's folder for version 15, the one pg_config names, or
// that of any other version installed, the newest first.
QString cartellaProgrammi() {
    QStringList candidate{QStringLiteral("/usr/lib/postgresql/15/bin")};
    QProcess config;
    config.start(QStringLiteral("pg_config"), {QStringLiteral("--bindir")});
    if (config.waitForFinished(5000)) {
        candidate << QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
    }
    QStringList versioni =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versioni.begin(), versioni.end(),
              [](const QString& a, const QString& b) { return a.toDouble() > b.toDouble(); });
    for (const QString& versione : versioni) {
        candidate << QStringLiteral("/usr/lib/postgresql/%1/bin").arg(versione);
    }
    for (const QString& cartella : candidate) {
        if (QFileInfo(cartella + QStringLiteral("/initdb")).isExecutable() &&
            QFileInfo(cartella + QStringLiteral("/pg_ctl")).isExecutable()) {
            return cartella;
        }
    }
    return {};
}

// The server says why it would not start in its log, pg_ctl only that it did not.
QString ultimaRiga(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly)
               ? QString::fromLocal8Bit(f.readAll()).trimmed().section(u'\n', -1)
               : QString();
}

// Arguments written as one line, split at its spaces.
QStringList parole(const char* riga) {
    return QString::fromLatin1(riga).split(u' ');
}
} // namespace

// Its own folder under /tmp, with a short name: the socket's path must fit the 107 bytes of a
// Unix socket address, which a long TMPDIR would overrun.
PostgresPrivato::PostgresPrivato() : cartella(QStringLiteral("/tmp/vpg-XXXXXX")) {
    programmi = cartellaProgrammi();
    if (programmi.isEmpty() || !cartella.isValid()) {
        perche = programmi.isEmpty() ? QStringLiteral("the PostgreSQL server is not installed")
                                     : QStringLiteral("no temporary folder for PostgreSQL");
        return;
    }
    if (::geteuid() == 0) {
        // PostgreSQL will not run as root: the server, and the folder it writes in, are nobody's.
        const passwd* nessuno = ::getpwnam("nobody");
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (!nessuno || setpriv.isEmpty() ||
            ::chown(QFile::encodeName(cartella.path()).constData(), nessuno->pw_uid,
                    nessuno->pw_gid) != 0) {
            perche =
                QStringLiteral("run as root, with no user nobody or setpriv to run PostgreSQL");
            return;
        }
        davanti = QStringList{setpriv, QStringLiteral("--reuid=%1").arg(nessuno->pw_uid),
                              QStringLiteral("--regid=%1").arg(nessuno->pw_gid),
                              QStringLiteral("--clear-groups"), QStringLiteral("--")};
    }
    // Open to every user for the socket: the test may not be run by the server's user.
    QFile::setPermissions(cartella.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther);
    if (!esegui(QStringLiteral("initdb"),
                parole("-A trust -U veltrix --no-sync -E UTF8 --locale=C -D") << dati(), 120)) {
        perche = QStringLiteral("initdb failed: ") + errore;
        return;
    }
    // A port of its own, so that two servers' sockets never share a name; tried again on the
    // next number only when the server finds that one in use ("already exists", "already in
    // use": its log is in English, initdb set its messages' locale to C).
    static int istanze = 0;
    const int primaPorta = 40000 + (::getpid() * 7 + 101 * istanze++) % 25000;
    const QString log = cartella.filePath(QStringLiteral("server.log"));
    for (int tentativo = 0; tentativo < 3 && !acceso; ++tentativo) {
        porta = primaPorta + tentativo;
        if (!avvia() && !ultimaRiga(log).contains(QStringLiteral("already"))) {
            break;
        }
    }
    if (!acceso) {
        const QString riga = ultimaRiga(log);
        perche = QStringLiteral("the PostgreSQL server did not start: ") +
                 (riga.isEmpty() ? errore : riga);
    } else if (!esegui(QStringLiteral("createdb"),
                       QStringList{QStringLiteral("-h"), cartella.path(), QStringLiteral("-p"),
                                   QString::number(porta)} +
                           parole("-U veltrix registro"),
                       30)) {
        perche = QStringLiteral("createdb failed: ") + errore;
    }
}

// At once, with no checkpoint: the data go with the folder. Should pg_ctl hang, the server is
// killed, so that none outlives its folder.
PostgresPrivato::~PostgresPrivato() {
    if (acceso &&
        !esegui(QStringLiteral("pg_ctl"), parole("stop -w -t 10 -m immediate -D") << dati(), 15)) {
        QFile pid(dati() + QStringLiteral("/postmaster.pid"));
        const pid_t numero = pid.open(QIODevice::ReadOnly) ? pid.readLine().trimmed().toInt() : 0;
        if (numero > 0) {
            ::kill(numero, SIGKILL);
        }
    }
}

QString PostgresPrivato::connessione() const {
    return QStringLiteral("host=%1 port=%2 dbname=registro user=veltrix")
        .arg(cartella.path())
        .arg(porta);
}

bool PostgresPrivato::ferma() {
    if (acceso &&
        esegui(QStringLiteral("pg_ctl"), parole("stop -w -t 30 -m fast -D") << dati(), 40)) {
        acceso = false;
    }
    return !acceso;
}

// The socket in the folder only, with no TCP port, and no fsync: a test's data need not
// survive the machine.
bool PostgresPrivato::avvia() {
    if (!acceso) {
        const QString opzioni =
            QStringLiteral("-k %1 -c listen_addresses='' -p %2 -F").arg(cartella.path()).arg(porta);
        acceso =
            esegui(QStringLiteral("pg_ctl"),
                   parole("start -w -t 30 -D") << dati() << QStringLiteral("-l")
                                               << cartella.filePath(QStringLiteral("server.log"))
                                               << QStringLiteral("-o") << opzioni,
                   40);
    }
    return acceso;
}

bool PostgresPrivato::esegui(const QString& programma, const QStringList& argomenti, int secondi) {
    QStringList comando = davanti + QStringList{programmi + u'/' + programma} + argomenti;
    QProcess p;
    p.setWorkingDirectory(cartella.path());
    p.start(comando.takeFirst(), comando);
    const bool finito = p.waitForFinished(secondi * 1000);
    const bool bloccato = !finito && p.state() != QProcess::NotRunning;
    if (bloccato) {
        p.kill();
        p.waitForFinished(2000);
    }
    errore = QString::fromLocal8Bit(p.readAllStandardError()).trimmed().section(u'\n', 0, 0);
    if (errore.isEmpty()) {
        errore = bloccato
                     ? QStringLiteral("%1 still running after %2 s").arg(programma).arg(secondi)
                 : finito ? QStringLiteral("%1 ended with %2").arg(programma).arg(p.exitCode())
                          : QStringLiteral("%1: %2").arg(programma, p.errorString());
    }
    return finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
