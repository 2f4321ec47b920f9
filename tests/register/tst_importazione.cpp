// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "register/importazione.h"

#include <QStringEncoder>
#include <QTest>

struct Atteso {
    QStringList alunni{}, doppi{}, scartati{};
    int vuote = 0;
    bool intestazione = false;
    bool errore = false;
};
Q_DECLARE_METATYPE(Atteso)

class TestImportazione : public QObject {
    Q_OBJECT
private slots:
    void lettura_data();
    void lettura();
    void resoconto_data();
    void resoconto();
};

void TestImportazione::lettura_data() {
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<QStringList>("presenti");
    QTest::addColumn<Atteso>("atteso");
    QTest::newRow("testo, riga vuota")
        << QByteArray("Rossi Anna\n\n  Bellè   Nicolò \n\n") << QStringList()
        << Atteso{.alunni = {"Rossi Anna", "Bellè Nicolò"}, .vuote = 1};
    QTest::newRow("Windows-1252") << QByteArray("Nicol\xF2 Bell\xE8\r\nD\x92"
                                                "Amico Luca\r\n")
                                  << QStringList()
                                  << Atteso{.alunni = {"Nicolò Bellè", "D’Amico Luca"}};
    // Its only byte past ASCII is the last: there UTF-8 would wait for the rest of a sequence.
    QTest::newRow("Windows-1252 solo in fondo")
        << QByteArray("Rossi Anna\nVerdi Nicol\xF2") << QStringList()
        << Atteso{.alunni = {"Rossi Anna", "Verdi Nicolò"}};
    QTest::newRow("BOM, CR LF e CR")
        << QByteArray("\xEF\xBB\xBFRossi Anna\r\nVerdi Ugo\rBianchi Luca\r\n") << QStringList()
        << Atteso{.alunni = {"Rossi Anna", "Verdi Ugo", "Bianchi Luca"}};
    QTest::newRow("UTF-16") << QByteArray(
                                   QStringEncoder(QStringEncoder::Utf16LE,
                                                  QStringEncoder::Flag::WriteBom)(u"Rossi\tAnna\n"))
                            << QStringList() << Atteso{.alunni = {"Rossi Anna"}};
    QTest::newRow("Argo")
        << QByteArray("Cognome;Nome;Data di nascita\r\nRossi;Anna;12/03/2016\r\n;;05/05/2016\r\n"
                      "\"De Luca; Jr\";\"Anna \"\"Nina\"\"\";01/01/2016\r\n")
        << QStringList()
        << Atteso{.alunni = {"Rossi Anna", "De Luca; Jr Anna \"Nina\""},
                  .vuote = 1,
                  .intestazione = true};
    QTest::newRow("nome prima del cognome")
        << QByteArray("N.,Nome alunno,COGNOME,Codice fiscale\n1,Anna,Rossi,RSSNNA16C52H501X\n")
        << QStringList() << Atteso{.alunni = {"Rossi Anna"}, .intestazione = true};
    QTest::newRow("virgola senza intestazione")
        << QByteArray("Rossi,Anna\nVerdi,Ugo,12/03/2016\n") << QStringList()
        << Atteso{.alunni = {"Rossi Anna", "Verdi Ugo"}};
    QTest::newRow("numerati")
        << QByteArray("1. Rossi Anna\n2) Verdi Ugo\n10 Bianchi Luca\n11.\n12 D'Amico Lia\n")
        << QStringList()
        << Atteso{.alunni = {"Rossi Anna", "Verdi Ugo", "Bianchi Luca", "D'Amico Lia"}, .vuote = 1};
    QTest::newRow("colonna dei numeri")
        << QByteArray("1\tRossi\tAnna\n2\tVerdi\tUgo\n") << QStringList()
        << Atteso{.alunni = {"Rossi Anna", "Verdi Ugo"}};
    QTest::newRow("titolo sopra l'intestazione")
        << QByteArray("Elenco della classe\n\nCognome e nome\nRossi Anna\n") << QStringList()
        << Atteso{.alunni = {"Rossi Anna"},
                  .scartati = {"Elenco della classe"},
                  .vuote = 1,
                  .intestazione = true};
    // The third line starts with a byte-order mark, as where two files were joined.
    QTest::newRow("doppi")
        << QByteArray("Rossi  Anna\nVERDI UGO\n\xEF\xBB\xBFrossi anna\nD’Amico Lia\nRossi Anna\n")
        << QStringList{"Verdi Ugo", "D'Amico  Lia"}
        << Atteso{.alunni = {"Rossi Anna"}, .doppi = {"VERDI UGO", "rossi anna", "D’Amico Lia"}};
    QTest::newRow("non nomi") << "Rossi Anna\nTotale: 24\n" + QByteArray(60, 'b') + "\n" +
                                     QByteArray(61, 'a')
                              << QStringList()
                              << Atteso{.alunni = {"Rossi Anna", QString(60, u'b')},
                                        .scartati = {"Totale: 24", QString(61, u'a')}};
    QTest::newRow("vuoto") << QByteArray() << QStringList() << Atteso{.errore = true};
    QTest::newRow("solo intestazione") << QByteArray("Cognome;Nome\r\n;\r\n") << QStringList()
                                       << Atteso{.intestazione = true, .errore = true};
    QTest::newRow("binario") << QByteArray("Rossi\0Anna\n", 11) << QStringList()
                             << Atteso{.errore = true};
}

// Only the names come out, each once, whatever the register, encoding, line ends and columns.
void TestImportazione::lettura() {
    QFETCH(QByteArray, dati);
    QFETCH(QStringList, presenti);
    QFETCH(Atteso, atteso);
    const ElencoClasse letto = leggiElencoClasse(dati, presenti);
    QCOMPARE(letto.alunni, atteso.alunni);
    QCOMPARE(letto.doppi, atteso.doppi);
    QCOMPARE(letto.scartati, atteso.scartati);
    QCOMPARE(letto.righeVuote, atteso.vuote);
    QCOMPARE(letto.intestazione, atteso.intestazione);
    QCOMPARE(letto.errore.isEmpty(), !atteso.errore);
}

void TestImportazione::resoconto_data() {
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<QStringList>("presenti");
    QTest::addColumn<QString>("testo");
    QTest::newRow("singolari") << "Verdi Ugo\nRossi Anna\n\n" + QByteArray(70, 'x')
                               << QStringList{"verdi  ugo"}
                               << "Aggiunto 1 alunno. 1 nome era già presente: Verdi Ugo. 1 riga "
                                  "non sembra un nome e non è stata aggiunta: «" +
                                      QString(39, u'x') + "…». 1 riga vuota saltata.";
    QStringList dodici;
    for (char16_t c = u'A'; c < u'A' + 12; ++c) {
        dodici << QStringLiteral("Rossi ") + QChar(c);
    }
    QTest::newRow("plurali") << dodici.join(QStringLiteral("\n\n")).toUtf8() << dodici
                             << "Nessun alunno aggiunto. 12 nomi erano già presenti: " +
                                    dodici.first(10).join(", ") +
                                    " e altri 2. 11 righe vuote saltate.";
}

void TestImportazione::resoconto() {
    QFETCH(QByteArray, dati);
    QFETCH(QStringList, presenti);
    QFETCH(QString, testo);
    QCOMPARE(resocontoImportazione(leggiElencoClasse(dati, presenti)), testo);
}

VELTRIX_TEST(TestImportazione)
#include "tst_importazione.moc"
