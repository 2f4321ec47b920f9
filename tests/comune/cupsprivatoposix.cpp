// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/cupsprivatoposix.h"

#include "comune/file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A socket listening on a port of 127.0.0.1 (0: one the kernel picks), and the port.
int inAscolto(int& porta) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const int si = 1;
    ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &si, sizeof si);
    sockaddr_in indirizzo{};
    indirizzo.sin_family = AF_INET;
    indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    indirizzo.sin_port = htons(quint16(porta));
    socklen_t lunghezza = sizeof indirizzo;
    if (s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0 &&
        ::listen(s, 16) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&indirizzo), &lunghezza) == 0) {
        porta = ntohs(indirizzo.sin_port);
        return s;
    }
    ::close(s);
    return -1;
}

// A port nobody listens on now: the kernel picks it for a socket that is closed at once.
int portaLibera() {
    int porta = 0;
    ::close(inAscolto(porta));
    return porta;
}

// A printer description of the test's own, so that no driver package is needed: A4 paper, and
// the PDF CUPS makes of a job handed on as it is.
constexpr char descrizione[] =
    "*PPD-Adobe: \"4.3\"\n*ModelName: \"Aula\"\n"
    "*cupsFilter2: \"application/vnd.cups-pdf application/pdf 0 -\"\n"
    "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n*PageSize A4: \"\"\n*CloseUI: *PageSize\n"
    "*ImageableArea A4: \"18 18 577 824\"\n*PaperDimension A4: \"595 842\"\n";
} // namespace

bool CupsPrivato::scriviConfigurazione(int porta) {
    const QString radice = cartella.path();
    for (const char* sotto : {"spool", "cache", "stato", "log"}) {
        QDir(radice).mkdir(QLatin1String(sotto));
    }
    // Anyone on this machine may do anything, the test administering its queue included.
    const QString cupsd =
        QStringLiteral("Listen 127.0.0.1:%1\nLogLevel warn\nWebInterface No\n"
                       "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                       "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                       "  </Limit>\n</Policy>\n")
            .arg(porta);
    const QString file = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool\n"
                                        "CacheDir %1/cache\nStateDir %1/stato\n"
                                        "ErrorLog %1/log/errori\nAccessLog %1/log/accessi\n"
                                        "PageLog %1/log/pagine\nFileDevice Yes\n")
                             .arg(radice);
    // The scheduler drops root for an ordinary user, who must be able to write the output.
    return scrivi(radice + QStringLiteral("/cupsd.conf"), cupsd.toUtf8()) &&
           scrivi(radice + QStringLiteral("/cups-files.conf"), file.toUtf8()) &&
           scrivi(radice + QStringLiteral("/aula.ppd"), descrizione) &&
           QFile::setPermissions(radice, QFileDevice::Permissions(0x7777));
}

CupsPrivato::CupsPrivato() : serverPrima(qgetenv("CUPS_SERVER")) {
    const QString programma = QStandardPaths::findExecutable(
        QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    porta = portaLibera();
    if (programma.isEmpty() || !cartella.isValid() || porta == 0 || !scriviConfigurazione(porta)) {
        perche = QStringLiteral("cupsd is not installed or cannot be set up here");
        return;
    }
    server = QStringLiteral("127.0.0.1:%1").arg(porta);
    qputenv("CUPS_SERVER", server.toUtf8());
    // libcups keeps the server it first talked to; this makes it forget it.
    cupsSetServer(server.toUtf8().constData());
    cupsd.start(programma, {QStringLiteral("-f"), QStringLiteral("-c"),
                            cartella.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                            cartella.filePath(QStringLiteral("cups-files.conf"))});
    cupsd.waitForStarted();
    // It takes a moment to listen: the queue is added once it does.
    bool aggiunta = false;
    for (int i = 0; i < 50 && cupsd.state() != QProcess::NotRunning && !aggiunta; ++i) {
        QThread::msleep(100);
        aggiunta = aggiungiCoda(QStringLiteral("aula"), uscita());
    }
    if (!aggiunta ||
        !comando(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("aula")})) {
        perche = QStringLiteral("a private cupsd did not start or took no queue");
    }
}

CupsPrivato::~CupsPrivato() {
    if (presaMuta >= 0) {
        ::close(presaMuta);
    }
    if (cupsd.state() == QProcess::Running) {
        cupsd.terminate();
        cupsd.waitForFinished(5000);
    }
    if (serverPrima.isNull()) {
        qunsetenv("CUPS_SERVER");
    } else {
        qputenv("CUPS_SERVER", serverPrima);
    }
    cupsSetServer(nullptr);
}

// With a description of its own: a queue without any never writes its file.
bool CupsPrivato::aggiungiCoda(const QString& nome, const QString& file) {
    return comando(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), nome, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("file://") + file, QStringLiteral("-P"),
                    cartella.filePath(QStringLiteral("aula.ppd"))});
}

bool CupsPrivato::spegni(bool muto) {
    cupsd.terminate();
    cupsd.waitForFinished(5000);
    presaMuta = muto ? inAscolto(porta) : -1;
    return !muto || presaMuta >= 0;
}

int CupsPrivato::lavoriAttivi() const {
    cups_job_t* lavori = nullptr;
    const int quanti = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, "aula", 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(quanti, lavori);
    return quanti;
}

bool CupsPrivato::comando(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, QStringList{QStringLiteral("-h"), server} + argomenti);

    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
