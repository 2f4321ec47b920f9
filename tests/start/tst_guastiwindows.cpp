// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/file.h"
#include "comune/registro.h"

#include <QDir>
#include <QTest>

#include <windows.h>

namespace {
const QByteArray vecchieImpostazioni(" 2  2 \r\n");

enum class Guasto { SolaLettura, ApertoDaAltri, CartellaAlPostoDelProvvisorio, SoloPosix };
} // namespace

// The settings file's faults as a Windows classroom PC has them. Those only a POSIX system can
// stage are named, and skipped with the reason.
class TestGuastiWindows : public QObject {
    Q_OBJECT
private slots:
    void scritturaImpossibile_data();
    void scritturaImpossibile();
};

void TestGuastiWindows::scritturaImpossibile_data() {
    QTest::addColumn<Guasto>("guasto");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("file di sola lettura") << Guasto::SolaLettura << QString();
    QTest::newRow("file aperto da un altro programma") << Guasto::ApertoDaAltri << QString();
    // Left at the fixed temporary name of earlier versions: no longer in the way of a save.
    QTest::newRow("cartella al posto del file provvisorio")
        << Guasto::CartellaAlPostoDelProvvisorio << QString();
    QTest::newRow("disco pieno")
        << Guasto::SoloPosix
        << QStringLiteral("Windows non ha un limite di scrittura per processo (RLIMIT_FSIZE) con "
                          "cui simulare il disco pieno");
    QTest::newRow("coda con nome al posto del file provvisorio")
        << Guasto::SoloPosix
        << QStringLiteral("su Windows una coda con nome non può stare in una cartella");
    QTest::newRow("file che c'è ma non si può leggere")
        << Guasto::SoloPosix
        << QStringLiteral("i permessi POSIX e l'utente nobody non esistono su Windows");
}

// Where the file cannot be written, the settings of this run are lost, silently, and the file of
// the run before stays as it was. Either way nothing else is touched.
void TestGuastiWindows::scritturaImpossibile() {
    QFETCH(Guasto, guasto);
    QFETCH(QString, motivo);
    if (guasto == Guasto::SoloPosix) {
        QSKIP(qPrintable(motivo));
    }
    Banco banco;
    const QString file = banco.percorso(QStringLiteral("veltrix.dat"));
    const std::wstring nativo = QDir::toNativeSeparators(file).toStdWString();
    QVERIFY(scrivi(file, vecchieImpostazioni));

    HANDLE aperto = INVALID_HANDLE_VALUE;
    if (guasto == Guasto::SolaLettura) {
        QVERIFY(SetFileAttributesW(nativo.c_str(), FILE_ATTRIBUTE_READONLY));
    } else if (guasto == Guasto::ApertoDaAltri) {
        // Read, shared with readers only: the program reads it at the start, but may not
        // replace it.
        aperto = CreateFileW(nativo.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(aperto != INVALID_HANDLE_VALUE);
    } else {
        QVERIFY(QDir().mkdir(file + QStringLiteral(".tmp")));
    }
    const bool esercizi = usaTuttiIMomentiDiScrittura(banco);
    if (aperto != INVALID_HANDLE_VALUE) {
        CloseHandle(aperto);
    }
    SetFileAttributesW(nativo.c_str(), FILE_ATTRIBUTE_NORMAL);
    QDir().rmdir(file + QStringLiteral(".tmp"));

    QVERIFY(esercizi);
    QCOMPARE(banco.messaggi.mostrati, QStringList());
    const bool salvato = guasto == Guasto::CartellaAlPostoDelProvvisorio;
    QCOMPARE(contenuto(file), salvato ? QByteArray(" 2  1 \r\n") : vecchieImpostazioni);
    QCOMPARE(QDir(banco.percorso(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("veltrix.dat")});
}

VELTRIX_TEST(TestGuastiWindows)
#include "tst_guastiwindows.moc"
