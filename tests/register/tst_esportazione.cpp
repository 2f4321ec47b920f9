// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "register/esportazione.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestEsportazione : public QObject {
    Q_OBJECT
private slots:
    void lettaDaUnAltro_data();
    void lettaDaUnAltro();
    void soloFileNuovi();
};

void TestEsportazione::lettaDaUnAltro_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("letto");
    QTest::newRow("accenti") << "Niccolò Bellè"
                             << "Niccolò Bellè";
    QTest::newRow("separatore e virgolette") << "Rossi; \"Gigi\""
                                             << "Rossi; \"Gigi\"";
    QTest::newRow("a capo") << "Anna\r\nMaria"
                            << "Anna\r\nMaria";
    // A cell that would run as a formula keeps its text, marked as text.
    QTest::newRow("formula") << "=HYPERLINK(\"x\")"
                             << "'=HYPERLINK(\"x\")";
}

// Read back by Python's csv module, as a spreadsheet would read it: the fields and the numbers
// come back as they were.
void TestEsportazione::lettaDaUnAltro() {
    QFETCH(QString, nome);
    QFETCH(QString, letto);
    SerieRegistrata s;
    s.nomeAlunno = nome;
    s.programma = QStringLiteral("veltrix");
    s.operazione = 2;
    s.livello = 3;
    s.operazioni = 12;
    s.esatte = 9;
    s.errate = 4;
    s.tempoTotale = 1234;
    s.valutazione = QStringLiteral("SUFFICIENTE (!)");
    s.inizio = s.fine = QDateTime(QDate(2026, 12, 9), QTime(10, 5));
    s.aiutiAccettati = 1;
    const QByteArray csv = csvSerie({s, s});
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    QVERIFY(csv.endsWith("\r\n"));
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        QSKIP("python3 non c'è: nessun lettore indipendente del CSV");
    }
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("classe.csv"));
    QCOMPARE(scriviFileNuovo(file, csv), QString());
    QProcess lettore;
    lettore.start(python,
                  {QStringLiteral("-c"),
                   QStringLiteral("import csv, json, sys\n"
                                  "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                  "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n"),
                   file});
    QVERIFY(lettore.waitForFinished(30000));
    const QJsonArray righe = QJsonDocument::fromJson(lettore.readAllStandardOutput()).array();
    QCOMPARE(righe.size(), 3);
    const QJsonArray riga = righe[1].toArray();
    QCOMPARE(riga.size(), righe[0].toArray().size());
    QCOMPARE(riga[0].toString(), letto);
    QCOMPARE(riga[1].toString(), QStringLiteral("2026-12-09T10:05:00"));
    QCOMPARE(riga[8].toString(), QStringLiteral("12"));
    QCOMPARE(riga[11].toString(), QStringLiteral("1"));
    QCOMPARE(riga[12].toString(), QStringLiteral("1234"));
    QCOMPARE(riga[13].toString(), QStringLiteral("SUFFICIENTE (!)"));
}

// A file already there, or a link at the name, is never written through.
void TestEsportazione::soloFileNuovi() {
    QTemporaryDir cartella;
    const QString esistente = cartella.filePath(QStringLiteral("esistente.csv"));
    QFile prima(esistente);
    QVERIFY(prima.open(QIODevice::WriteOnly));
    prima.write("del docente");
    prima.close();
    QVERIFY(!scriviFileNuovo(esistente, "nuovo").isEmpty());
#ifndef Q_OS_WIN
    const QString collegamento = cartella.filePath(QStringLiteral("collegamento.csv"));
    QVERIFY(QFile::link(esistente, collegamento));
    QVERIFY(!scriviFileNuovo(collegamento, "nuovo").isEmpty());
#endif
    QFile dopo(esistente);
    QVERIFY(dopo.open(QIODevice::ReadOnly));
    QCOMPARE(dopo.readAll(), QByteArray("del docente"));
}

VELTRIX_TEST(TestEsportazione)
#include "tst_esportazione.moc"
