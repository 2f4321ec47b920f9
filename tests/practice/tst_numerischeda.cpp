// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/finti.h"
#include "comune/registro.h"
#include "practice/numerischeda.h"
#include "state/statocondiviso.h"

#include <QTest>

#include <set>

namespace {
// The addition draw of each level: every term from primo to ultimo, the sum within the window.
struct Termini {
    int primo;
    int ultimo;
    int sommaMinima;
    int sommaMassima;
};
const Termini termini[4] = {{2, 21, 0, 30}, {10, 39, 30, 60}, {20, 79, 60, 90}, {20, 109, 0, 90}};

// The window of the product at each level, the same as the sum's.
const int prodottoMinimo[4] = {0, 30, 60, 0};
const int prodottoMassimo[4] = {30, 60, 90, 90};

bool prodottoAmmesso(int livello, int p) {
    return p >= prodottoMinimo[livello - 1] && p <= prodottoMassimo[livello - 1];
}
} // namespace

class TestNumeriScheda : public QObject {
    Q_OBJECT
private slots:
    void estrazioniDeiTermini_data();
    void estrazioniDeiTermini();
    void terminiNellaFinestra_data();
    void terminiNellaFinestra();
    void fattoriNellaFinestra_data();
    void fattoriNellaFinestra();
    void senzaLivelloNienteDiNuovo_data();
    void senzaLivelloNienteDiNuovo();
    void spazi_data();
    void spazi();
};

void TestNumeriScheda::estrazioniDeiTermini_data() {
    QTest::addColumn<int>("livello");
    QTest::addColumn<QList<float>>("valori");
    QTest::addColumn<QList<int>>("termini");
    const float quasiUno = 0.99999994f; // the largest value below 1
    QTest::newRow("1: 21 + 2 + 2, il massimo di ogni termine")
        << 1 << QList<float>{quasiUno, 0, 0} << QList<int>{21, 2, 2};
    QTest::newRow("1: 31 scartato, 30 accettato")
        << 1 << QList<float>{0.975f, 0.325f, 0, 0.975f, 0.275f, 0} << QList<int>{21, 7, 2};
    QTest::newRow("2: 61 scartato, 60 accettato")
        << 2 << QList<float>{0.985f, 0.085f, 0, 0.985f, 0.05f, 0} << QList<int>{39, 11, 10};
    QTest::newRow("2: 10 + 10 + 10, sotto 30 e accettato")
        << 2 << QList<float>{0, 0, 0} << QList<int>{10, 10, 10};
    QTest::newRow("3: 91 scartato, 90 accettato")
        << 3 << QList<float>{0.525f, 0, 0, 0.5085f, 0, 0} << QList<int>{50, 20, 20};
    QTest::newRow("3: 79 + 20 + 20 scartato, poi 60")
        << 3 << QList<float>{quasiUno, 0, 0, 0, 0, 0} << QList<int>{20, 20, 20};
    QTest::newRow("4: 109 + 20 + 20 scartato, 91 scartato, 90 accettato")
        << 4 << QList<float>{quasiUno, 0, 0, 0, 0.35f, 0, 0, 0, 0.3389f} << QList<int>{20, 20, 50};
}

// Scripted draws pin the order a, b, c, floor(x * span) + base, both bounds of the sum and the
// three numbers drawn again together when the sum is refused.
void TestNumeriScheda::estrazioniDeiTermini() {
    QFETCH(int, livello);
    QFETCH(QList<float>, valori);
    QFETCH(QList<int>, termini);
    StatoCondiviso s;
    s.Livello = static_cast<qint16>(livello);
    OrologioFinto orologio;
    CasualeFinto casuale;
    casuale.valori.assign(valori.begin(), valori.end());
    GeneraTermini(s, casuale, orologio);
    QCOMPARE((QList<int>{s.TermineA, s.TermineB, s.TermineC}), termini);
    QVERIFY(casuale.valori.empty());
    QCOMPARE(casuale.rimescolamenti, 1);
}

void TestNumeriScheda::terminiNellaFinestra_data() {
    QTest::addColumn<int>("livello");
    for (int livello = 1; livello <= 4; ++livello) {
        QTest::addRow("livello %d", livello) << livello;
    }
}

// Every term a fair draw allows turns up, and nothing else does; the sum reaches the top of the
// level's window.
void TestNumeriScheda::terminiNellaFinestra() {
    QFETCH(int, livello);
    const Termini& t = termini[livello - 1];
    std::set<int> possibili;
    int massima = INT_MIN;
    for (int a = t.primo; a <= t.ultimo; ++a) {
        for (int b = t.primo; b <= t.ultimo; ++b) {
            for (int c = t.primo; c <= t.ultimo; ++c) {
                const int somma = a + b + c;
                if (somma >= t.sommaMinima && somma <= t.sommaMassima) {
                    possibili.insert(a);
                    massima = std::max(massima, somma);
                }
            }
        }
    }
    StatoCondiviso s;
    s.Livello = static_cast<qint16>(livello);
    OrologioFinto orologio;
    GeneratoreMescolato casuale;
    std::set<int> visti;
    int vistaMassima = INT_MIN;
    for (int i = 0; i < 20000; ++i) {
        GeneraTermini(s, casuale, orologio);
        const int somma = s.TermineA + s.TermineB + s.TermineC;
        QVERIFY2(
            somma >= t.sommaMinima && somma <= t.sommaMassima,
            qPrintable(QStringLiteral("%1 %2 %3").arg(s.TermineA).arg(s.TermineB).arg(s.TermineC)));
        visti.insert({s.TermineA, s.TermineB, s.TermineC});
        vistaMassima = std::max(vistaMassima, somma);
    }
    QCOMPARE(visti, possibili);
    QCOMPARE(vistaMassima, massima);
}

void TestNumeriScheda::fattoriNellaFinestra_data() {
    QTest::addColumn<int>("livello");
    for (int livello = 1; livello <= 4; ++livello) {
        QTest::addRow("livello %d", livello) << livello;
    }
}

// Factors of at least 2 with the product in the level's window, an offset below both factors;
// every product with two such factors, every such factor and every offset turns up.
void TestNumeriScheda::fattoriNellaFinestra() {
    QFETCH(int, livello);
    std::set<int> prodotti, fattori, scarti;
    for (int a = 2; a <= prodottoMassimo[livello - 1]; ++a) {
        for (int b = 2; a * b <= prodottoMassimo[livello - 1]; ++b) {
            if (prodottoAmmesso(livello, a * b)) {
                prodotti.insert(a * b);
                fattori.insert(a);
                for (int k = 1; k < std::min(a, b); ++k) {
                    scarti.insert(k);
                }
            }
        }
    }
    StatoCondiviso s;
    s.Livello = static_cast<qint16>(livello);
    OrologioFinto orologio;
    GeneratoreMescolato casuale;
    std::set<int> prodottiVisti, primiVisti, secondiVisti, scartiVisti;
    for (int i = 0; i < 20000; ++i) {
        GeneraFattori(s, casuale, orologio);
        const int a = s.TermineA, b = s.TermineB, k = s.Scarto;
        QVERIFY2(a >= 2 && b >= 2 && prodottoAmmesso(livello, a * b) && k >= 1 &&
                     k < std::min(a, b) && FattoriAdatti(s),
                 qPrintable(QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(k)));
        prodottiVisti.insert(a * b);
        primiVisti.insert(a);
        secondiVisti.insert(b);
        scartiVisti.insert(k);
    }
    QCOMPARE(prodottiVisti, prodotti);
    QCOMPARE(primiVisti, fattori);
    QCOMPARE(secondiVisti, fattori);
    QCOMPARE(scartiVisti, scarti);
}

void TestNumeriScheda::senzaLivelloNienteDiNuovo_data() {
    QTest::addColumn<int>("livello");
    QTest::addColumn<bool>("fattori");
    for (int livello : {0, 5, -1}) {
        QTest::addRow("termini, livello %d", livello) << livello << false;
        QTest::addRow("fattori, livello %d", livello) << livello << true;
    }
}

// Before any level is chosen the numbers stay those of the last draw.
void TestNumeriScheda::senzaLivelloNienteDiNuovo() {
    QFETCH(int, livello);
    QFETCH(bool, fattori);
    StatoCondiviso s;
    s.Livello = static_cast<qint16>(livello);
    s.TermineA = 7;
    s.TermineB = 8;
    s.TermineC = 9;
    s.Scarto = 3;
    OrologioFinto orologio;
    CasualeFinto casuale;
    casuale.valori = {0.5f};
    fattori ? GeneraFattori(s, casuale, orologio) : GeneraTermini(s, casuale, orologio);
    QCOMPARE((QList<int>{s.TermineA, s.TermineB, s.TermineC, s.Scarto}), (QList<int>{7, 8, 9, 3}));
    QCOMPARE(casuale.valori.size(), size_t(1));
}

void TestNumeriScheda::spazi_data() {
    QTest::addColumn<QList<int>>("numeri"); // a, b, c, r, m
    QTest::addColumn<QStringList>("spazi");
    QTest::newRow("9 e 10 alternati")
        << QList<int>{9, 10, 9, 10, 9} << QStringList{" ", "", " ", "", " "};
    QTest::newRow("10 e 9 alternati")
        << QList<int>{10, 9, 10, 9, 10} << QStringList{"", " ", "", " ", ""};
    QTest::newRow("0, 1, 99, 100, 2")
        << QList<int>{0, 1, 99, 100, 2} << QStringList{" ", " ", "", "", " "};
}

// One blank before each number below 10, each pad from its own number.
void TestNumeriScheda::spazi() {
    QFETCH(QList<int>, numeri);
    QFETCH(QStringList, spazi);
    StatoCondiviso s;
    s.TermineA = static_cast<qint16>(numeri[0]);
    s.TermineB = static_cast<qint16>(numeri[1]);
    s.TermineC = static_cast<qint16>(numeri[2]);
    s.Risultato = static_cast<qint16>(numeri[3]);
    s.NumeroConfronto = static_cast<qint16>(numeri[4]);
    CalcolaSpazi(s);
    QCOMPARE((QStringList{s.SpazioA, s.SpazioB, s.SpazioC, s.SpazioRisultato, s.SpazioConfronto}),
             spazi);
}

VELTRIX_TEST(TestNumeriScheda)
#include "tst_numerischeda.moc"
