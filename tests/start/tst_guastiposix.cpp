// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/file.h"
#include "comune/guastiposix.h"
#include "comune/guida.h"
#include "comune/registro.h"
#include "platform/archivioposix.h"
#include "rules/impostazioni.h"
#include "start/frminizio.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <memory>
#include <utility>

using namespace impostazioni;

namespace {
// The files as the program reads and writes them.
ArchivioPosix archivio;
} // namespace

namespace {
const QByteArray vecchieImpostazioni(" 2  2 \r\n");

enum class Guasto {
    CartellaChiusa,
    DiscoPieno,
    CollegamentoAlProvvisorio,
    AltroNomeDelProvvisorio,
    CodaAlPostoDelProvvisorio,
    FileIlleggibile,
    AltroProgrammaSalva
};

// While set, another program saves its settings in the same folder at every flush to disk, that
// is between a save's writing and its rename: there it overtakes this one.
ArchivioPosix* altroProgramma = nullptr;
int salvatiDallAltro = 0;
} // namespace

extern "C" int fsync(int fd) {
    if (ArchivioPosix* altro = std::exchange(altroProgramma, nullptr)) {
        salvatiDallAltro += altro->sostituisci(QStringLiteral("veltrix.dat"), " 3  1 \r\n");
        altroProgramma = altro;
    }
    return int(::syscall(SYS_fsync, fd));
}

class TestGuasti : public QObject {
    Q_OBJECT
private slots:
    void scritturaImpossibile_data();
    void scritturaImpossibile();
    void fileSostituito_data();
    void fileSostituito();
    void discoPienoNonLasciaMezzoFile();
};

void TestGuasti::scritturaImpossibile_data() {
    QTest::addColumn<Guasto>("guasto");
    QTest::newRow("cartella di sola lettura") << Guasto::CartellaChiusa;
    QTest::newRow("disco pieno") << Guasto::DiscoPieno;
    QTest::newRow("collegamento al posto del file provvisorio")
        << Guasto::CollegamentoAlProvvisorio;
    QTest::newRow("file provvisorio che è un altro nome di un altro file")
        << Guasto::AltroNomeDelProvvisorio;
    QTest::newRow("coda con nome al posto del file provvisorio")
        << Guasto::CodaAlPostoDelProvvisorio;
    QTest::newRow("file che c'è ma non si può leggere") << Guasto::FileIlleggibile;
    QTest::newRow("un altro programma salva nello stesso momento") << Guasto::AltroProgrammaSalva;
}

// Where the file cannot be written, the settings of this run are lost, silently, and the file of
// the run before stays as it was; what earlier versions left at their fixed temporary name no
// longer stops a save. Either way nothing else is touched.
void TestGuasti::scritturaImpossibile() {
    QFETCH(Guasto, guasto);
    Banco banco;
    const QString file = banco.percorso(QStringLiteral("veltrix.dat"));
    const QString provvisorio = file + QStringLiteral(".tmp");
    const QString altro = banco.percorso(QStringLiteral("compiti.txt"));
    QVERIFY(scrivi(file, vecchieImpostazioni));
    QVERIFY(scrivi(altro, "da non toccare"));

    bool esercizi = false;
    switch (guasto) {
    case Guasto::CartellaChiusa: {
        // The permission bits stop an ordinary user, not root.
        QVERIFY(::chmod(QFile::encodeName(banco.percorso(QString())).constData(), 0555) == 0);
        {
            UtenteComune utente;
            esercizi = usaTuttiIMomentiDiScrittura(banco);
        }
        QVERIFY(::chmod(QFile::encodeName(banco.percorso(QString())).constData(), 0755) == 0);
        break;
    }
    case Guasto::DiscoPieno: {
        DiscoPieno pieno(3);
        esercizi = usaTuttiIMomentiDiScrittura(banco);
        break;
    }
    case Guasto::CollegamentoAlProvvisorio:
        QVERIFY(QFile::link(altro, provvisorio));
        esercizi = usaTuttiIMomentiDiScrittura(banco);
        break;
    case Guasto::AltroNomeDelProvvisorio:
        QVERIFY(::link(QFile::encodeName(altro).constData(),
                       QFile::encodeName(provvisorio).constData()) == 0);
        esercizi = usaTuttiIMomentiDiScrittura(banco);
        break;
    case Guasto::CodaAlPostoDelProvvisorio:
        QVERIFY(::mkfifo(QFile::encodeName(provvisorio).constData(), 0644) == 0);
        esercizi = usaTuttiIMomentiDiScrittura(banco);
        break;
    case Guasto::FileIlleggibile: {
        // The directory is open to the ordinary user, so only the file's own bits stop it.
        QVERIFY(::chmod(QFile::encodeName(banco.percorso(QString())).constData(), 0777) == 0);
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0) == 0);
        {
            UtenteComune utente;
            QVERIFY(scrivi(banco.percorso(QStringLiteral("prova")), "si scrive"));
            QVERIFY(QFile::remove(banco.percorso(QStringLiteral("prova"))));
            esercizi = usaTuttiIMomentiDiScrittura(banco);
            QCOMPARE(banco.programma->stato.Operazione, qint16(1));
        }
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(file).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0));
        break;
    }
    case Guasto::AltroProgrammaSalva: {
        // Overtaken at every save, this program still renames last: the file is whole, and its own.
        ArchivioPosix altro;
        altroProgramma = &altro;
        esercizi = usaTuttiIMomentiDiScrittura(banco);
        altroProgramma = nullptr;
        QVERIFY(salvatiDallAltro > 0);
        break;
    }
    }

    QVERIFY(esercizi);
    QCOMPARE(banco.messaggi.mostrati, QStringList());
    QCOMPARE(contenuto(altro), QByteArray("da non toccare"));
    const bool salvato = guasto != Guasto::CartellaChiusa && guasto != Guasto::DiscoPieno &&
                         guasto != Guasto::FileIlleggibile;
    QCOMPARE(contenuto(file), salvato ? QByteArray(" 2  1 \r\n") : vecchieImpostazioni);
    if (guasto == Guasto::CollegamentoAlProvvisorio) {
        QVERIFY(QFileInfo(provvisorio).isSymLink());
    }
    if (guasto == Guasto::AltroNomeDelProvvisorio) {
        QCOMPARE(contenuto(provvisorio), QByteArray("da non toccare"));
    }
    QFile::remove(provvisorio);
    QCOMPARE(QDir(banco.percorso(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("compiti.txt"), QStringLiteral("veltrix.dat")}));
}

void TestGuasti::fileSostituito_data() {
    QTest::addColumn<QString>("cosa");
    QTest::newRow("da una cartella") << "cartella";
    QTest::newRow("da un collegamento sospeso") << "collegamento";
    QTest::newRow("da una coda con nome") << "coda";
}

// The start takes the first-run values at once, says nothing, and no write lands anywhere but in
// the program's own directory.
void TestGuasti::fileSostituito() {
    QFETCH(QString, cosa);
    Banco banco;
    const QString file = banco.percorso(QStringLiteral("veltrix.dat"));
    const QString altrove = banco.percorso(QStringLiteral("sparita/veltrix.dat"));
    if (cosa == QLatin1String("cartella")) {
        QVERIFY(QDir().mkdir(file));
    } else if (cosa == QLatin1String("collegamento")) {
        QVERIFY(QFile::link(altrove, file));
    } else {
        QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0644) == 0);
    }

    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    QCOMPARE(banco.programma->stato.Operazione, qint16(1));
    QCOMPARE(f->gruppoObiettivi(), qint16(1));
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("lblNomeOperazione"))->text(),
             QStringLiteral("veltrix.1"));
    QVERIFY(usaTuttiIMomentiDiScrittura(banco));
    QCOMPARE(banco.messaggi.mostrati, QStringList());
    QVERIFY(!QFileInfo::exists(altrove));
    QVERIFY(!QFileInfo::exists(file + QStringLiteral(".tmp")));
    if (cosa == QLatin1String("cartella")) {
        QVERIFY(QFileInfo(file).isDir());
    } else {
        // The link or the pipe gives way to a settings file of this run's values.
        QCOMPARE(contenuto(file), QByteArray(" 1  2 \r\n"));
    }
}

// A disk that fills up in the middle of the line: the new file is never half written in place
// of the old one, whatever size the disk stops at.
void TestGuasti::discoPienoNonLasciaMezzoFile() {
    Banco banco;
    const QString file = banco.percorso(QStringLiteral("veltrix.dat"));
    QVERIFY(scrivi(file, vecchieImpostazioni));
    const QByteArray nuova = rigaImpostazioni(-32768, 32767);
    for (rlim_t limite = 0; limite <= rlim_t(nuova.size()); ++limite) {
        bool scritto = false;
        {
            DiscoPieno pieno(limite);
            scritto = scriviLivelli(archivio, file, -32768, 32767);
        }
        const QByteArray atteso = scritto ? nuova : vecchieImpostazioni;
        QCOMPARE(scritto, limite >= rlim_t(nuova.size()));
        QCOMPARE(contenuto(file), atteso);
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("veltrix.dat")});
        QVERIFY(scrivi(file, vecchieImpostazioni));
    }
}

VELTRIX_TEST(TestGuasti)
#include "tst_guastiposix.moc"
