// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/file.h"
#include "comune/registro.h"
#include "platform/disistema.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "comune/guastiposix.h"
#endif

#include <optional>

namespace {
const QByteArray vecchio(" 2  2 \r\n");
const QByteArray nuovo(" 1  1 \r\n");
const QByteArray eseguibile("\177ELF il programma");

enum class Ostacolo {
    Nessuno,
    CartellaAlPostoDelFile,
    CartellaAlPostoDelProvvisorio,
    CartellaMancante,
    SolaLettura,
    AltroNomeDelProvvisorio,
    FileApertoDaAltri,
    CollegamentoAlProgramma,
    DiAltri,
};
} // namespace

// The settings file through this system's own calls, faults included: what Windows and the
// POSIX systems do differently (a rename that does not replace, line ends turned into two,
// read-only and locked files) is where a port goes wrong.
class TestArchivio : public QObject {
    Q_OBJECT
private slots:
    void sostituisci_data();
    void sostituisci();
};

void TestArchivio::sostituisci_data() {
    QTest::addColumn<Ostacolo>("ostacolo");
    QTest::addColumn<bool>("riesce");
    QTest::newRow("file da sostituire") << Ostacolo::Nessuno << true;
    QTest::newRow("cartella al posto del file") << Ostacolo::CartellaAlPostoDelFile << false;
    // What an earlier version left at its fixed temporary name no longer stops a save.
    QTest::newRow("cartella al posto del provvisorio")
        << Ostacolo::CartellaAlPostoDelProvvisorio << true;
    QTest::newRow("cartella che non c'è") << Ostacolo::CartellaMancante << false;
    // Made read-only by the teacher, to keep the pupils' PC on one operation.
    QTest::newRow("file di sola lettura") << Ostacolo::SolaLettura << false;
#ifndef Q_OS_WIN
    QTest::newRow("collegamento al programma con il nome del file")
        << Ostacolo::CollegamentoAlProgramma << false;
    QTest::newRow("file che il suo utente non può scrivere") << Ostacolo::DiAltri << false;
#endif
#ifdef Q_OS_WIN
    QTest::newRow("provvisorio che è un altro nome di un altro file")
        << Ostacolo::AltroNomeDelProvvisorio << true;
    QTest::newRow("file aperto da un altro programma") << Ostacolo::FileApertoDaAltri << false;
#endif
}

// Replaced whole, byte for byte, twice over; or, when something is in the way, the old file
// stays as it was and nothing else is touched.
void TestArchivio::sostituisci() {
    QFETCH(Ostacolo, ostacolo);
    QFETCH(bool, riesce);
    CartellaDiLavoro cartella;
    QString programma;
    QString file = cartella.percorso(QStringLiteral("veltrix.dat"));
    const QString provvisorio = file + QStringLiteral(".tmp");
    const QString altro = cartella.percorso(QStringLiteral("compiti.txt"));
    QVERIFY(scrivi(file, vecchio));
    QVERIFY(scrivi(altro, "da non toccare"));

#ifdef Q_OS_WIN
    HANDLE aperto = INVALID_HANDLE_VALUE;
#endif
    switch (ostacolo) {
    case Ostacolo::Nessuno:
        break;
    case Ostacolo::CartellaAlPostoDelFile:
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file));
        break;
    case Ostacolo::CartellaAlPostoDelProvvisorio:
        QVERIFY(QDir().mkdir(provvisorio));
        break;
    case Ostacolo::CartellaMancante:
        file = cartella.percorso(QStringLiteral("sparita/veltrix.dat"));
        break;
    case Ostacolo::CollegamentoAlProgramma:
        // Started through the link, the program would take itself for its settings file.
        programma = cartella.percorso(QStringLiteral("sottrazioni"));
        QVERIFY(scrivi(programma, eseguibile));
        QVERIFY(QFile::remove(file));
        QVERIFY(QFile::link(programma, file));
        break;
    case Ostacolo::DiAltri:
        // Root's file, saved by an ordinary user in a folder open to everybody.
        QVERIFY(
            QFile::setPermissions(cartella.percorso(QString()), QFileDevice::Permissions(0x7777)));
        break;
    case Ostacolo::SolaLettura:
    case Ostacolo::AltroNomeDelProvvisorio:
    case Ostacolo::FileApertoDaAltri:
#ifndef Q_OS_WIN
        QVERIFY(
            QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
#else
        if (ostacolo == Ostacolo::SolaLettura) {
            QVERIFY(SetFileAttributesW(file.toStdWString().c_str(), FILE_ATTRIBUTE_READONLY));
        } else if (ostacolo == Ostacolo::AltroNomeDelProvvisorio) {
            QVERIFY(CreateHardLinkW(provvisorio.toStdWString().c_str(),
                                    altro.toStdWString().c_str(), nullptr));
        } else {
            // As a word processor holds the document it has open: no one else may touch it.
            aperto = CreateFileW(file.toStdWString().c_str(), GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            QVERIFY(aperto != INVALID_HANDLE_VALUE);
        }
#endif
        break;
    }

    ArchivioDiSistema archivio(programma);
    bool primo = false;
    bool secondo = false;
    {
#ifndef Q_OS_WIN
        std::optional<UtenteComune> utente;
        if (ostacolo == Ostacolo::DiAltri) {
            utente.emplace();
        }
#endif
        primo = archivio.sostituisci(file, nuovo);
        secondo = archivio.sostituisci(file, nuovo + "x");
    }
#ifdef Q_OS_WIN
    if (aperto != INVALID_HANDLE_VALUE) {
        CloseHandle(aperto);
    }
    SetFileAttributesW(file.toStdWString().c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
    QCOMPARE(primo, riesce);
    QCOMPARE(secondo, riesce);
    QCOMPARE(contenuto(altro), QByteArray("da non toccare"));
    if (riesce) {
        QCOMPARE(archivio.leggi(file, 100), std::optional<QByteArray>(nuovo + "x"));
        QCOMPARE(archivio.leggi(file, 3), std::optional<QByteArray>(nuovo.left(3)));
    } else if (ostacolo == Ostacolo::CartellaAlPostoDelFile ||
               ostacolo == Ostacolo::CartellaMancante) {
        QCOMPARE(archivio.leggi(file, 100), std::nullopt);
    } else if (ostacolo == Ostacolo::CollegamentoAlProgramma) {
        QCOMPARE(archivio.leggi(file, 100), std::nullopt);
        QVERIFY(QFileInfo(file).isSymLink());
        QCOMPARE(contenuto(programma), eseguibile);
    } else {
        QCOMPARE(archivio.leggi(file, 100), std::optional<QByteArray>(vecchio));
    }
    // What was at the temporary name is left as it was; anything the writer made there is gone.
    const bool provvisorioAltrui = ostacolo == Ostacolo::CartellaAlPostoDelProvvisorio ||
                                   ostacolo == Ostacolo::AltroNomeDelProvvisorio;
    QCOMPARE(
        QDir().entryList({QStringLiteral("*.tmp")}, QDir::AllEntries | QDir::System | QDir::Hidden),
        provvisorioAltrui ? QStringList{QFileInfo(provvisorio).fileName()} : QStringList());
}

VELTRIX_TEST(TestArchivio)
#include "tst_archivio.moc"
