// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/file.h"
#include "comune/registro.h"
#include "platform/disistema.h"
#include "rules/impostazioni.h"
#include "rules/laboratorio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace impostazioni;

namespace {
// The files as the program reads and writes them.
ArchivioDiSistema archivio;
} // namespace

class TestImpostazioni : public QObject {
    Q_OBJECT
private slots:
    void riga_data();
    void riga();
    void lettura_data();
    void lettura();
    void fileMancante();
    void scritturaELetturaTornano();
    void unaDirectoryAlPostoDelFile();
    void scritturaFallitaLasciaIlVecchioFile();
    void laboratorio_data();
    void laboratorio();

private:
    QTemporaryDir cartella;
};

void TestImpostazioni::riga_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("gruppo");
    QTest::addColumn<QByteArray>("attesa");
    QTest::newRow("primo avvio") << 1 << 1 << QByteArray(" 1  1 \r\n");
    QTest::newRow("sottrazioni, gruppo 1") << 3 << 1 << QByteArray(" 3  1 \r\n");
    QTest::newRow("negativo") << -4 << 2 << QByteArray("-4  2 \r\n");
    QTest::newRow("limiti") << 32767 << -32768 << QByteArray(" 32767 -32768 \r\n");
}

void TestImpostazioni::riga() {
    QFETCH(int, operazione);
    QFETCH(int, gruppo);
    QFETCH(QByteArray, attesa);
    QCOMPARE(rigaImpostazioni(qint16(operazione), qint16(gruppo)), attesa);
}

void TestImpostazioni::lettura_data() {
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("gruppo");
    // The code held before reading is 1, as the start window sets it.
    QTest::newRow("come scritto") << QByteArray(" 3  2 \r\n") << 3 << 2;
    QTest::newRow("virgola") << QByteArray("4,2") << 4 << 2;
    QTest::newRow("a capo") << QByteArray("5\n1\n") << 5 << 1;
    QTest::newRow("spazi intorno") << QByteArray("   2    2   ") << 2 << 2;
    QTest::newRow("solo un numero") << QByteArray(" 3 \r\n") << 3 << 1;
    QTest::newRow("vuoto") << QByteArray("") << 1 << 1;
    QTest::newRow("non un numero") << QByteArray("tre uno") << 1 << 1;
    QTest::newRow("secondo non numero") << QByteArray("2 x") << 2 << 1;
    QTest::newRow("primo oltre 16 bit") << QByteArray("70000 2") << 1 << 1;
    QTest::newRow("secondo oltre 16 bit") << QByteArray("2 -40000") << 2 << 1;
    QTest::newRow("gruppo fuori dai due") << QByteArray("1 7") << 1 << 7;
}

void TestImpostazioni::lettura() {
    QFETCH(QByteArray, contenuto);
    QFETCH(int, operazione);
    QFETCH(int, gruppo);
    const QString percorso = cartella.filePath(QStringLiteral("lettura.dat"));
    QVERIFY(scrivi(percorso, contenuto));
    qint16 op = 1;
    qint16 gr = 99;
    leggiLivelli(archivio, percorso, op, gr);
    QCOMPARE(int(op), operazione);
    QCOMPARE(int(gr), gruppo);
}

void TestImpostazioni::fileMancante() {
    qint16 op = 1;
    qint16 gr = 0;
    leggiLivelli(archivio, cartella.filePath(QStringLiteral("nessuno.dat")), op, gr);
    QCOMPARE(op, qint16(1));
    QCOMPARE(gr, qint16(1));
}

void TestImpostazioni::scritturaELetturaTornano() {
    const QString percorso = cartella.filePath(QStringLiteral("andata.dat"));
    QVERIFY(scrivi(percorso, "un contenuto molto più lungo della riga che lo sostituirà\r\n"));
    QVERIFY(scriviLivelli(archivio, percorso, 6, 2));
    QCOMPARE(contenuto(percorso), QByteArray(" 6  2 \r\n"));
    qint16 op = 1;
    qint16 gr = 1;
    leggiLivelli(archivio, percorso, op, gr);
    QCOMPARE(op, qint16(6));
    QCOMPARE(gr, qint16(2));
    QCOMPARE(QDir(cartella.path()).entryList({QStringLiteral("andata.dat.*")}), QStringList());
}

// Permissions stop nothing when the tests run as root: a directory where the file must go does.
void TestImpostazioni::unaDirectoryAlPostoDelFile() {
    const QString percorso = cartella.filePath(QStringLiteral("occupato.dat"));
    QVERIFY(QDir().mkpath(percorso));
    QVERIFY(!scriviLivelli(archivio, percorso, 3, 1));
    QVERIFY(QFileInfo(percorso).isDir());
    QCOMPARE(QDir(cartella.path()).entryList({QStringLiteral("occupato.dat.*")}), QStringList());
}

// A copy of the program started as "prova.dat" finds itself where its settings file would be: it
// stays the program.
void TestImpostazioni::scritturaFallitaLasciaIlVecchioFile() {
    const QString percorso = cartella.filePath(QStringLiteral("prova.dat"));
    const QByteArray programma("\177ELF il programma");
    QVERIFY(scrivi(percorso, programma));
    ArchivioDiSistema dellaCopia(percorso);
    QVERIFY(!scriviLivelli(dellaCopia, percorso, 5, 1));
    QCOMPARE(contenuto(percorso), programma);
}

void TestImpostazioni::laboratorio_data() {
    QTest::addColumn<QByteArray>("file"); // null: none
    QTest::addColumn<int>("operazione");  // 0: none
    QTest::addColumn<QString>("cartella");
    QTest::addColumn<QString>("servizio");
    QTest::addColumn<QStringList>("ignorate"); // the keys named on stderr
    const QByteArray nessuno;
    QTest::newRow("nessun file") << nessuno << 0 << ""
                                 << "" << QStringList{};
    QTest::newRow("sottrazioni") << QByteArray("operazione=2\n") << 2 << ""
                                 << "" << QStringList{};
    QTest::newRow("come lo scrive l'installer di Windows")
        << QByteArray("[General]\r\noperazione=7\r\n") << 7 << ""
        << "" << QStringList{};
    QTest::newRow("registro in una cartella")
        << QByteArray("[registro]\ncartella=/srv/veltrix\n") << 0 << "/srv/veltrix"
        << "" << QStringList{};
    QTest::newRow("registro della scuola")
        << QByteArray("operazione=3\n[registro]\nservizio=scuola\n") << 3 << ""
        << "scuola" << QStringList{};
    QTest::newRow("codice fuori dai sette") << QByteArray("operazione=9\n") << 0 << ""
                                            << "" << QStringList{"operazione"};
    QTest::newRow("non un numero") << QByteArray("operazione=due\n") << 0 << ""
                                   << "" << QStringList{"operazione"};
    QTest::newRow("chiave sbagliata, il resto vale")
        << QByteArray("operazion=2\n[registro]\ncartella=\n") << 0 << ""
        << "" << QStringList{"operazion", "registro/cartella"};
    QTest::newRow("file rovinato") << QByteArray("\xff\x01[[[=\n==\n") << 0 << ""
                                   << "" << QStringList{"", "\xff?[[["};
}

// The lab's file gives what it holds rightly and names, one line each, the keys it ignores.
void TestImpostazioni::laboratorio() {
    QFETCH(QByteArray, file);
    QFETCH(int, operazione);
    QFETCH(QString, cartella);
    QFETCH(QString, servizio);
    QFETCH(QStringList, ignorate);
    const QString percorso = this->cartella.filePath(QStringLiteral("laboratorio.conf"));
    QFile::remove(percorso);
    QVERIFY(file.isNull() || scrivi(percorso, file));
    const Laboratorio l = leggiLaboratorio(percorso);
    QCOMPARE(l.operazione.value_or(0), operazione);
    QCOMPARE(l.cartellaRegistro, cartella);
    QCOMPARE(l.servizioRegistro, servizio);
    QCOMPARE(l.avvisi.size(), ignorate.size());
    for (qsizetype i = 0; i < ignorate.size(); ++i) {
        QVERIFY2(l.avvisi[i].contains(QStringLiteral("\"%1\"").arg(ignorate[i])),
                 qPrintable(l.avvisi[i]));
    }
}

VELTRIX_TEST(TestImpostazioni)
#include "tst_impostazioni.moc"
