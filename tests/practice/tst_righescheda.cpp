// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/finti.h"
#include "comune/registro.h"
#include "practice/righescheda.h"
#include "state/statocondiviso.h"

#include <QTest>

#include <set>

namespace {
const QString sette = QStringLiteral("       ");

// Without a level no number is drawn, so a line shows exactly the numbers put in the state.
void numeriFissi(StatoCondiviso& s, const QList<int>& n) {
    s.Livello = 0;
    s.TermineA = static_cast<qint16>(n[0]);
    s.TermineB = static_cast<qint16>(n[1]);
    s.TermineC = static_cast<qint16>(n[2]);
    s.Scarto = static_cast<qint16>(n[3]);
}

void riempiTabelle(StatoCondiviso& s) {
    for (size_t i = 0; i < s.RigheAlunni.size(); ++i) {
        s.RigheAlunni[i] = QStringLiteral("alunni %1").arg(i);
        s.RigheDocenti[i] = QStringLiteral("docenti %1").arg(i);
    }
}
} // namespace

class TestRigheScheda : public QObject {
    Q_OBJECT
private slots:
    void righeConNumeriFissi_data();
    void righeConNumeriFissi();
    void esempioDelLivello1();
    void rigaNonScritta_data();
    void rigaNonScritta();
    void codiceSceglieLOperazione_data();
    void codiceSceglieLOperazione();
    void sessantaRigheNonTutteUguali_data();
    void sessantaRigheNonTutteUguali();
};

void TestRigheScheda::righeConNumeriFissi_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QList<int>>("numeri"); // a, b, c, k
    QTest::addColumn<QString>("alunni");
    QTest::addColumn<QString>("risposta");

    const QList<int> n5_12_9{5, 12, 9, 0};
    const QList<int> n2_3_4{2, 3, 4, 0};
    QTest::newRow("+ 1") << 1 << 1 << n5_12_9 << " 5 + 12 +  9 =  ."
                         << "   (26)";
    QTest::newRow("+ 2") << 1 << 2 << n5_12_9 << " . + 12 +  9 = 26"
                         << "    (5)";
    QTest::newRow("+ 3") << 1 << 3 << n5_12_9 << " 5 +  9 +  . = 26"
                         << "   (12)";
    QTest::newRow("+ 4") << 1 << 4 << n5_12_9 << " 5 +  . +  9 = 26"
                         << "   (12)";
    QTest::newRow("+ 1 somma sotto 10") << 1 << 1 << n2_3_4 << " 2 +  3 +  4 =  ."
                                        << "    (9)";
    QTest::newRow("+ 2 somma sotto 10") << 1 << 2 << n2_3_4 << " . +  3 +  4 =  9"
                                        << "    (2)";
    QTest::newRow("+ 3 somma sotto 10") << 1 << 3 << n2_3_4 << " 2 +  4 +  . =  9"
                                        << "    (3)";
    QTest::newRow("+ 4 tutti di due cifre")
        << 1 << 4 << QList<int>{21, 10, 15, 0} << "21 +  . + 15 = 46"
        << "   (10)";

    const QList<int> n13_4_7{13, 4, 7, 0};
    QTest::newRow("- 1") << 2 << 1 << n5_12_9 << "26 - 12 -  9 =  ."
                         << "    (5)";
    QTest::newRow("- 2") << 2 << 2 << n5_12_9 << " . - 12 -  9 =  5"
                         << "   (26)";
    QTest::newRow("- 3") << 2 << 3 << n5_12_9 << "26 -  9 -  . =  5"
                         << "   (12)";
    QTest::newRow("- 4 con l'asterisco") << 2 << 4 << n5_12_9 << "26 -  * -  9 =  5"
                                         << "   (12)";
    QTest::newRow("- 1 differenza di due cifre") << 2 << 1 << n13_4_7 << "24 -  4 -  7 =  ."
                                                 << "   (13)";
    QTest::newRow("- 3 sottraendo sotto 10") << 2 << 3 << n13_4_7 << "24 -  7 -  . = 13"
                                             << "    (4)";
    QTest::newRow("- 4 sottraendo sotto 10") << 2 << 4 << n13_4_7 << "24 -  * -  7 = 13"
                                             << "    (4)";
    QTest::newRow("- 2 minuendo sotto 10")
        << 2 << 2 << QList<int>{2, 3, 1, 0} << " . -  3 -  1 =  2"
        << "    (6)";

    const QList<int> m6_4{6, 4, 0, 3};
    QTest::newRow("x 1") << 4 << 1 << m6_4 << " 6 x  4 =  ."
                         << "   (24)";
    QTest::newRow("x 2") << 4 << 2 << m6_4 << " . x  4 = 24"
                         << "    (6)";
    QTest::newRow("x 3") << 4 << 3 << m6_4 << " 6 x  . = 24"
                         << "    (4)";
    QTest::newRow("x 4") << 4 << 4 << m6_4 << " . =  6 x  4"
                         << "   (24)";
    QTest::newRow("x 5") << 4 << 5 << m6_4 << "24 =  . x  6"
                         << "    (4)";
    QTest::newRow("x 6") << 4 << 6 << m6_4 << "24 =  4 x . "
                         << "    (6)";
    QTest::newRow("x 7") << 4 << 7 << m6_4 << " 6 x  4 . 24"
                         << "    (=)";
    QTest::newRow("x 8") << 4 << 8 << m6_4 << " 6 x  4 . 27"
                         << "    (<)";
    QTest::newRow("x 9") << 4 << 9 << m6_4 << " 6 x  4 . 21"
                         << "    (>)";
    QTest::newRow("x 10") << 4 << 10 << m6_4 << "24 .  4 x  6"
                          << "    (=)";
    QTest::newRow("x 11") << 4 << 11 << m6_4 << "27 .  4 x  6"
                          << "    (>)";
    QTest::newRow("x 12") << 4 << 12 << m6_4 << "21 .  4 x  6"
                          << "    (<)";
    const QList<int> m2_3{2, 3, 0, 1};
    QTest::newRow("x 1 prodotto sotto 10") << 4 << 1 << m2_3 << " 2 x  3 =  ."
                                           << "    (6)";
    QTest::newRow("x 6 prodotto sotto 10") << 4 << 6 << m2_3 << " 6 =  3 x . "
                                           << "    (2)";
    QTest::newRow("x 8 confronto sotto 10") << 4 << 8 << m2_3 << " 2 x  3 .  7"
                                            << "    (<)";
    QTest::newRow("x 9 confronto sotto 10") << 4 << 9 << m2_3 << " 2 x  3 .  5"
                                            << "    (>)";
    QTest::newRow("x 12 confronto sotto 10") << 4 << 12 << m2_3 << " 5 .  3 x  2"
                                             << "    (<)";
    const QList<int> m3_3{3, 3, 0, 2};
    QTest::newRow("x 8 confronto oltre 10") << 4 << 8 << m3_3 << " 3 x  3 . 11"
                                            << "    (<)";
    QTest::newRow("x 11 confronto oltre 10") << 4 << 11 << m3_3 << "11 .  3 x  3"
                                             << "    (>)";
    const QList<int> m15_2{15, 2, 0, 1};
    QTest::newRow("x 2 fattore di due cifre") << 4 << 2 << m15_2 << " . x  2 = 30"
                                              << "   (15)";
    QTest::newRow("x 5 fattore sotto 10") << 4 << 5 << m15_2 << "30 =  . x 15"
                                          << "    (2)";

    QTest::newRow(": 1") << 5 << 1 << m6_4 << "24 :  4 =  ."
                         << "    (6)";
    QTest::newRow(": 2") << 5 << 2 << m6_4 << " . :  4 =  6"
                         << "   (24)";
    QTest::newRow(": 3") << 5 << 3 << m6_4 << "24 :  . =  4"
                         << "    (6)";
    QTest::newRow(": 4") << 5 << 4 << m6_4 << " . = 24 :  4"
                         << "    (6)";
    QTest::newRow(": 5") << 5 << 5 << m6_4 << " 6 =  . :  4"
                         << "   (24)";
    QTest::newRow(": 6") << 5 << 6 << m6_4 << " 6 = 24 :  ."
                         << "    (4)";
    QTest::newRow(": 7") << 5 << 7 << m6_4 << "24 :  6 .  4"
                         << "    (=)";
    QTest::newRow(": 8") << 5 << 8 << m6_4 << "24 :  6 .  1"
                         << "    (>)";
    QTest::newRow(": 9") << 5 << 9 << m6_4 << "24 :  6 .  7"
                         << "    (<)";
    QTest::newRow(": 10") << 5 << 10 << m6_4 << " 6 . 24 :  4"
                          << "    (=)";
    QTest::newRow(": 11") << 5 << 11 << m6_4 << " 9 . 24 :  4"
                          << "    (>)";
    QTest::newRow(": 12") << 5 << 12 << m6_4 << " 3 . 24 :  4"
                          << "    (<)";
    const QList<int> d12_5{12, 5, 0, 4};
    QTest::newRow(": 1 quoziente di due cifre") << 5 << 1 << d12_5 << "60 :  5 =  ."
                                                << "   (12)";
    QTest::newRow(": 5 dividendo di due cifre") << 5 << 5 << d12_5 << "12 =  . :  5"
                                                << "   (60)";
    QTest::newRow(": 6 divisore sotto 10") << 5 << 6 << d12_5 << "12 = 60 :  ."
                                           << "    (5)";
    QTest::newRow(": 8 confronto sotto 10") << 5 << 8 << d12_5 << "60 : 12 .  1"
                                            << "    (>)";
    QTest::newRow(": 9 confronto sotto 10") << 5 << 9 << d12_5 << "60 : 12 .  9"
                                            << "    (<)";
    QTest::newRow(": 11 confronto oltre 10") << 5 << 11 << d12_5 << "16 . 60 :  5"
                                             << "    (>)";
    QTest::newRow(": 12 confronto sotto 10") << 5 << 12 << d12_5 << " 8 . 60 :  5"
                                             << "    (<)";
    const QList<int> d2_3{2, 3, 0, 1};
    QTest::newRow(": 2 dividendo sotto 10") << 5 << 2 << d2_3 << " . :  3 =  2"
                                            << "    (6)";
    QTest::newRow(": 3 dividendo sotto 10") << 5 << 3 << d2_3 << " 6 :  . =  3"
                                            << "    (2)";
    QTest::newRow(": 4 dividendo sotto 10") << 5 << 4 << d2_3 << " . =  6 :  3"
                                            << "    (2)";
}

// Every type of every table, with numbers below and above 10 in each place, byte for byte.
void TestRigheScheda::righeConNumeriFissi() {
    QFETCH(int, operazione);
    QFETCH(int, tipo);
    QFETCH(QList<int>, numeri);
    QFETCH(QString, alunni);
    QFETCH(QString, risposta);
    StatoCondiviso s;
    s.Operazione = static_cast<qint16>(operazione);
    s.TipoMin = s.TipoMax = static_cast<qint16>(tipo);
    numeriFissi(s, numeri);
    s.IndiceRiga = 37;
    OrologioFinto orologio;
    CasualeFinto casuale;
    GeneraRiga(s, casuale, orologio);
    QCOMPARE(int(s.TipoRiga), tipo);
    QCOMPARE(s.RigheAlunni[37], alunni);
    QCOMPARE(s.RigheDocenti[37], alunni + sette + risposta);
    QCOMPARE(s.SpazioRisposta, sette);
    // A comparison is answered by its sign, which the line keeps until the next one.
    if (QStringLiteral("=<>").contains(risposta.mid(5, 1))) {
        QCOMPARE(s.SegnoRisposta, risposta.mid(5, 1));
    }
}

// Level 1, additions, type 4 drawn from 2-4, then 5, 12 and 9: the type is drawn before the
// numbers, and the numbers in the order a, b, c.
void TestRigheScheda::esempioDelLivello1() {
    StatoCondiviso s;
    s.Operazione = 1;
    s.Livello = 1;
    s.TipoMin = 2;
    s.TipoMax = 4;
    s.IndiceRiga = 1;
    OrologioFinto orologio;
    CasualeFinto casuale;
    casuale.valori = {0.9f, 0.175f, 0.525f, 0.375f};
    GeneraRiga(s, casuale, orologio);
    QVERIFY(casuale.valori.empty());
    QCOMPARE(int(s.TipoRiga), 4);
    QCOMPARE(int(s.Risultato), 26);
    QCOMPARE(s.RigheAlunni[1], QStringLiteral(" 5 +  . +  9 = 26"));
    QCOMPARE(s.RigheDocenti[1], QStringLiteral(" 5 +  . +  9 = 26          (12)"));
}

void TestRigheScheda::rigaNonScritta_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("indice");
    QTest::addColumn<QList<int>>("numeri");
    QTest::addColumn<bool>("numeriFermi");
    const QList<int> n{5, 12, 9, 2};
    QTest::newRow("addizione, tipo 5") << 1 << 1 << 5 << 10 << n << true;
    QTest::newRow("addizione, tipo 0 (nessun obiettivo)") << 1 << 1 << 0 << 10 << n << true;
    QTest::newRow("sottrazione, tipo 12") << 2 << 2 << 12 << 10 << n << true;
    QTest::newRow("addizioni e sottrazioni, tipo 7") << 3 << 3 << 7 << 10 << n << true;
    // All four mixed with a sign objective: the additions and subtractions drawn have no line.
    QTest::newRow("tutte e quattro, tipo 9, sottrazione") << 7 << 4 << 9 << 10 << n << true;
    QTest::newRow("moltiplicazione, tipo 13") << 4 << 3 << 13 << 10 << n << true;
    QTest::newRow("divisione, tipo 0") << 5 << 4 << 0 << 10 << n << true;
    QTest::newRow("codice 0") << 0 << 1 << 1 << 10 << n << true;
    QTest::newRow("codice 8") << 8 << 1 << 1 << 10 << n << true;
    QTest::newRow("codice -1") << -1 << 1 << 1 << 10 << n << true;
    // No level yet and the numbers of program start: 0 : 0 must not reach a sheet.
    QTest::newRow("divisione senza livello, tutto a 0")
        << 5 << 0 << 1 << 10 << QList<int>{0, 0, 0, 0} << true;
    QTest::newRow("moltiplicazione senza livello, scarto 0, 5 x 12 < 60")
        << 4 << 0 << 8 << 10 << QList<int>{5, 12, 9, 0} << true;
    QTest::newRow("divisione senza livello, scarto pari al divisore")
        << 5 << 0 << 8 << 10 << QList<int>{5, 3, 0, 3} << true;
    QTest::newRow("moltiplicazione senza livello, 9 x 1")
        << 4 << 0 << 1 << 10 << QList<int>{9, 1, 0, 1} << true;
    QTest::newRow("indice 91") << 1 << 1 << 1 << 91 << n << false;
    QTest::newRow("indice -1") << 2 << 1 << 1 << -1 << n << false;
    QTest::newRow("indice 91 di una moltiplicazione") << 4 << 2 << 9 << 91 << n << false;
}

// Whatever cannot give a true line leaves its entry empty in both tables, so no line of an earlier
// sheet survives on a new one; an index outside the tables touches nothing.
void TestRigheScheda::rigaNonScritta() {
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, tipo);
    QFETCH(int, indice);
    QFETCH(QList<int>, numeri);
    QFETCH(bool, numeriFermi);
    StatoCondiviso s;
    s.Operazione = static_cast<qint16>(operazione);
    s.TipoMin = s.TipoMax = static_cast<qint16>(tipo);
    numeriFissi(s, numeri);
    s.Livello = static_cast<qint16>(livello);
    s.IndiceRiga = static_cast<qint16>(indice);
    riempiTabelle(s);
    OrologioFinto orologio;
    CasualeFinto casuale;
    RigheDa1a90 alunni = s.RigheAlunni;
    RigheDa1a90 docenti = s.RigheDocenti;
    if (indice >= 0 && indice < int(alunni.size())) {
        alunni[static_cast<size_t>(indice)].clear();
        docenti[static_cast<size_t>(indice)].clear();
    }
    // A mixed code picks the addition, or the subtraction, with its first draw.
    casuale.valori = {operazione == 7 ? 0.3f : 0.0f};
    GeneraRiga(s, casuale, orologio);
    QCOMPARE(s.RigheAlunni, alunni);
    QCOMPARE(s.RigheDocenti, docenti);
    if (numeriFermi) {
        QCOMPARE((QList<int>{s.TermineA, s.TermineB, s.TermineC, s.Scarto}), numeri);
    }
}

void TestRigheScheda::codiceSceglieLOperazione_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QList<float>>("valori");
    QTest::addColumn<QString>("segno");
    const float quasiUno = 0.99999994f;
    QTest::newRow("1") << 1 << QList<float>{} << " + ";
    QTest::newRow("2") << 2 << QList<float>{} << " - ";
    QTest::newRow("4") << 4 << QList<float>{} << " x ";
    QTest::newRow("5") << 5 << QList<float>{} << " : ";
    QTest::newRow("3, 0") << 3 << QList<float>{0} << " + ";
    QTest::newRow("3, 0.4999") << 3 << QList<float>{0.4999f} << " + ";
    QTest::newRow("3, 0.5") << 3 << QList<float>{0.5f} << " - ";
    QTest::newRow("3, quasi 1") << 3 << QList<float>{quasiUno} << " - ";
    QTest::newRow("6, 0.4999") << 6 << QList<float>{0.4999f} << " x ";
    QTest::newRow("6, 0.5") << 6 << QList<float>{0.5f} << " : ";
    QTest::newRow("7, 0") << 7 << QList<float>{0} << " + ";
    QTest::newRow("7, 0.24") << 7 << QList<float>{0.24f} << " + ";
    QTest::newRow("7, 0.25") << 7 << QList<float>{0.25f} << " - ";
    QTest::newRow("7, 0.5") << 7 << QList<float>{0.5f} << " x ";
    QTest::newRow("7, 0.74") << 7 << QList<float>{0.74f} << " x ";
    QTest::newRow("7, 0.75") << 7 << QList<float>{0.75f} << " : ";
    QTest::newRow("7, quasi 1") << 7 << QList<float>{quasiUno} << " : ";
}

// A mixed code picks the operation with the first draw, from the running source; the chosen
// generator reseeds before it draws anything.
void TestRigheScheda::codiceSceglieLOperazione() {
    QFETCH(int, operazione);
    QFETCH(QList<float>, valori);
    QFETCH(QString, segno);
    StatoCondiviso s;
    s.Operazione = static_cast<qint16>(operazione);
    s.TipoMin = s.TipoMax = 1;
    numeriFissi(s, {6, 4, 9, 3});
    s.IndiceRiga = 1;
    OrologioFinto orologio;
    CasualeFinto casuale;
    casuale.valori.assign(valori.begin(), valori.end());
    GeneraRiga(s, casuale, orologio);
    QVERIFY2(s.RigheAlunni[1].contains(segno), qPrintable(s.RigheAlunni[1]));
    QVERIFY(casuale.valori.empty());
    const QString inizio = valori.isEmpty() ? QStringLiteral("Rx") : QStringLiteral("xRx");
    QVERIFY2(casuale.eventi.startsWith(inizio), qPrintable(casuale.eventi));
}

void TestRigheScheda::sessantaRigheNonTutteUguali_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("tipoMax");
    for (int operazione = 1; operazione <= 7; ++operazione) {
        // Additions and subtractions have no line for a type above 4.
        const int tipoMax = operazione >= 4 && operazione <= 6 ? 12 : 4;
        for (int livello = 1; livello <= 4; ++livello) {
            QTest::addRow("codice %d livello %d", operazione, livello)
                << operazione << livello << tipoMax;
        }
    }
}

// A sheet is built within one clock reading; each line still gets numbers of its own.
void TestRigheScheda::sessantaRigheNonTutteUguali() {
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, tipoMax);
    StatoCondiviso s;
    s.Operazione = static_cast<qint16>(operazione);
    s.Livello = static_cast<qint16>(livello);
    s.TipoMin = 1;
    s.TipoMax = static_cast<qint16>(tipoMax);
    OrologioFinto orologio;
    GeneratoreMescolato casuale;
    std::set<QString> diverse;
    for (s.IndiceRiga = 1; s.IndiceRiga <= 60; ++s.IndiceRiga) {
        GeneraRiga(s, casuale, orologio);
        diverse.insert(s.RigheDocenti[static_cast<size_t>(s.IndiceRiga)]);
    }
    QVERIFY(!diverse.contains(QString()));
    QVERIFY2(diverse.size() > 40, qPrintable(QString::number(diverse.size())));
}

VELTRIX_TEST(TestRigheScheda)
#include "tst_righescheda.moc"
