// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/finti.h"
#include "comune/registro.h"
#include "practice/generazione.h"
#include "state/statocondiviso.h"

#include <QTest>

#include <set>
#include <vector>

namespace {
struct Riga {
    int primo;
    int ultimo;
    int minimo;
    int massimo;
};

// The bounds as the school's teachers set them, per operation and level 1 to 3.
const Riga righe[3][3] = {
    {{1, 20, 10, 40}, {1, 30, 30, 70}, {1, 40, 50, 99}},
    {{1, 20, 10, 40}, {1, 20, 30, 70}, {20, 49, 50, 98}},
    {{1, 10, 10, 40}, {1, 10, 40, 70}, {1, 10, 50, 99}},
};

int combina(int operazione, int a, int b, int c) {
    return operazione == 3 ? a * b * c : a + b + c;
}

bool ammessa(const Riga& r, int operazione, int a, int b, int c) {
    const auto dentro = [&](int n) { return n >= r.primo && n <= r.ultimo; };
    const int k = combina(operazione, a, b, c);
    return dentro(a) && dentro(b) && dentro(c) && k >= r.minimo && k <= r.massimo;
}

// Level 4 borrows the rows of the other three levels.
std::vector<Riga> righeDelLivello(int operazione, int livello) {
    const auto* r = righe[operazione - 1];
    return livello == 4 ? std::vector<Riga>{r[0], r[1], r[2]} : std::vector<Riga>{r[livello - 1]};
}

// Everything a fair draw can give, found by trying every triple.
struct Possibili {
    std::set<int> numeri;
    int minimo = INT_MAX;
    int massimo = INT_MIN;
};

Possibili possibili(int operazione, const std::vector<Riga>& ammesse) {
    Possibili p;
    for (const Riga& r : ammesse) {
        for (int a = r.primo; a <= r.ultimo; ++a) {
            for (int b = r.primo; b <= r.ultimo; ++b) {
                for (int c = r.primo; c <= r.ultimo; ++c) {
                    if (ammessa(r, operazione, a, b, c)) {
                        p.numeri.insert({a, b, c});
                        p.minimo = std::min(p.minimo, combina(operazione, a, b, c));
                        p.massimo = std::max(p.massimo, combina(operazione, a, b, c));
                    }
                }
            }
        }
    }
    return p;
}

// Records the order of reseeds and draws, and the reading each reseed was given.
class CasualeRegistrato final : public SorgenteCasuale {
public:
    std::vector<float> letture;
    int estrazioniPrimaDelSeme = 0;
    void rimescola(float lettura) override {
        letture.push_back(lettura);
        vero.rimescola(lettura);
    }
    float prossimo() override {
        if (letture.empty()) {
            ++estrazioniPrimaDelSeme;
        }
        return vero.prossimo();
    }

private:
    GeneratoreMescolato vero{7};
};
} // namespace

class TestGenerazione : public QObject {
    Q_OBJECT
private slots:
    void restaNeiLimitiERaggiungeTutto_data();
    void restaNeiLimitiERaggiungeTutto();
    void estrazioniScritte_data();
    void estrazioniScritte();
    void rimescolaDallOrologioUnaVolta_data();
    void rimescolaDallOrologioUnaVolta();
    void codiceSconosciutoNonTocca_data();
    void codiceSconosciutoNonTocca();
};

void TestGenerazione::restaNeiLimitiERaggiungeTutto_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QString>("segno");
    const char* segni[] = {"+", "-", "x"};
    for (int operazione = 1; operazione <= 3; ++operazione) {
        for (int livello = 1; livello <= 4; ++livello) {
            QTest::addRow("operazione %d livello %d", operazione, livello)
                << operazione << livello << QString::fromLatin1(segni[operazione - 1]);
        }
    }
}

// Many operations, each generated at a later clock reading: none leaves its row, and every number
// and the extreme combinations the row allows all turn up.
void TestGenerazione::restaNeiLimitiERaggiungeTutto() {
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(QString, segno);
    const std::vector<Riga> ammesse = righeDelLivello(operazione, livello);
    const Possibili attesi = possibili(operazione, ammesse);
    StatoCondiviso stato;
    stato.Operazione = static_cast<qint16>(operazione);
    stato.LivelloSerie = static_cast<qint16>(livello);
    OrologioFinto orologio;
    CasualeFinto casuale;
    std::set<int> vistiA, vistiB, vistiC;
    int minimo = INT_MAX, massimo = INT_MIN;
    const int operazioni = 20000;
    for (int i = 0; i < operazioni; ++i) {
        orologio.secondi += 0.37f;
        QCOMPARE(GeneraOperazioneTermini(stato, casuale, orologio), segno);
        const int a = stato.TermineA, b = stato.TermineB, c = stato.TermineC;
        const bool inUnaRiga = std::any_of(ammesse.begin(), ammesse.end(), [&](const Riga& r) {
            return ammessa(r, operazione, a, b, c);
        });
        QVERIFY2(inUnaRiga, qPrintable(QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c)));
        vistiA.insert(a);
        vistiB.insert(b);
        vistiC.insert(c);
        minimo = std::min(minimo, combina(operazione, a, b, c));
        massimo = std::max(massimo, combina(operazione, a, b, c));
    }
    QCOMPARE(casuale.rimescolamenti, operazioni);
    QCOMPARE(vistiA, attesi.numeri);
    QCOMPARE(vistiB, attesi.numeri);
    QCOMPARE(vistiC, attesi.numeri);
    QCOMPARE(minimo, attesi.minimo);
    QCOMPARE(massimo, attesi.massimo);
}

void TestGenerazione::estrazioniScritte_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QList<float>>("valori");
    QTest::addColumn<QList<int>>("termini");
    const float quasiUno = 0.99999994f; // the largest value below 1
    QTest::newRow("somma 10 accettata")
        << 1 << 1 << QList<float>{0, 0, 0.375f} << QList<int>{1, 1, 8};
    QTest::newRow("somma 41 scartata, poi 40")
        << 1 << 1 << QList<float>{0.975f, 0.975f, 0, 0.975f, 0.925f, 0} << QList<int>{20, 19, 1};
    QTest::newRow("somma 3 scartata, si estraggono di nuovo tutti e tre")
        << 1 << 1 << QList<float>{0, 0, 0, 0.5f, 0.275f, 0.975f} << QList<int>{11, 6, 20};
    QTest::newRow("r quasi 1 non supera 20")
        << 1 << 1 << QList<float>{quasiUno, 0, 0} << QList<int>{20, 1, 1};
    QTest::newRow("addizione livello 3, somma 99")
        << 1 << 3 << QList<float>{quasiUno, quasiUno, 0.4625f} << QList<int>{40, 40, 19};
    QTest::newRow("sottrazione livello 2 pesca fino a 20")
        << 2 << 2 << QList<float>{quasiUno, quasiUno, quasiUno} << QList<int>{20, 20, 20};
    QTest::newRow("sottrazione livello 3, da 20 a 49")
        << 2 << 3 << QList<float>{quasiUno, 0, 0} << QList<int>{49, 20, 20};
    QTest::newRow("sottrazione livello 3, 99 scartato, 98 accettato")
        << 2 << 3 << QList<float>{quasiUno, 0.35f, 0, quasiUno, 0.32f, 0} << QList<int>{49, 29, 20};
    QTest::newRow("moltiplicazione livello 2, 2x4x5=40")
        << 3 << 2 << QList<float>{0.15f, 0.35f, 0.45f} << QList<int>{2, 4, 5};
    QTest::newRow("moltiplicazione livello 2, 3x3x8=72 scartato")
        << 3 << 2 << QList<float>{0.25f, 0.25f, 0.75f, 0.65f, 0.95f, 0.05f} << QList<int>{7, 10, 1};
    // Level 4: the first draw picks the row of level floor(r x 3) + 1.
    QTest::newRow("livello 4 su riga 1")
        << 2 << 4 << QList<float>{0.3f, 0, 0, 0.375f} << QList<int>{1, 1, 8};
    QTest::newRow("livello 4 su riga 2")
        << 2 << 4 << QList<float>{0.5f, 0.975f, 0.975f, 0} << QList<int>{20, 20, 1};
    QTest::newRow("livello 4 su riga 3")
        << 2 << 4 << QList<float>{quasiUno, 0, 0, 0} << QList<int>{20, 20, 20};
    QTest::newRow("livello 4 moltiplicazione su riga 3, 72")
        << 3 << 4 << QList<float>{0.7f, 0.75f, 0.85f, 0} << QList<int>{8, 9, 1};
}

// Scripted draws pin the order A, B, C, the floor of r x span plus base, both bounds included and
// the row chosen at level 4.
void TestGenerazione::estrazioniScritte() {
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(QList<float>, valori);
    QFETCH(QList<int>, termini);
    StatoCondiviso stato;
    stato.Operazione = static_cast<qint16>(operazione);
    stato.LivelloSerie = static_cast<qint16>(livello);
    OrologioFinto orologio;
    CasualeFinto casuale;
    casuale.valori.assign(valori.begin(), valori.end());
    GeneraOperazioneTermini(stato, casuale, orologio);
    QCOMPARE((QList<int>{stato.TermineA, stato.TermineB, stato.TermineC}), termini);
    QVERIFY(casuale.valori.empty());
}

void TestGenerazione::rimescolaDallOrologioUnaVolta_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<float>("ora");
    QTest::newRow("addizione") << 1 << 1 << 30000.25f;
    QTest::newRow("sottrazione") << 2 << 3 << 0.5f;
    QTest::newRow("moltiplicazione") << 3 << 2 << 86399.75f;
    QTest::newRow("livello 4, prima del suo sorteggio") << 1 << 4 << 45000.5f;
}

void TestGenerazione::rimescolaDallOrologioUnaVolta() {
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(float, ora);
    StatoCondiviso stato;
    stato.Operazione = static_cast<qint16>(operazione);
    stato.LivelloSerie = static_cast<qint16>(livello);
    OrologioFinto orologio;
    orologio.secondi = ora;
    CasualeRegistrato casuale;
    GeneraOperazioneTermini(stato, casuale, orologio);
    QCOMPARE(casuale.letture, std::vector<float>{ora});
    QCOMPARE(casuale.estrazioniPrimaDelSeme, 0);
}

void TestGenerazione::codiceSconosciutoNonTocca_data() {
    QTest::addColumn<int>("operazione");
    QTest::newRow("0") << 0;
    QTest::newRow("4") << 4;
    QTest::newRow("5") << 5;
    QTest::newRow("-1") << -1;
}

void TestGenerazione::codiceSconosciutoNonTocca() {
    QFETCH(int, operazione);
    StatoCondiviso stato;
    stato.Operazione = static_cast<qint16>(operazione);
    stato.LivelloSerie = 1;
    stato.TermineA = 3;
    stato.TermineB = 4;
    stato.TermineC = 5;
    OrologioFinto orologio;
    CasualeFinto casuale;
    casuale.valori = {0.5f};
    QCOMPARE(GeneraOperazioneTermini(stato, casuale, orologio), QString());
    QCOMPARE((QList<int>{stato.TermineA, stato.TermineB, stato.TermineC}), (QList<int>{3, 4, 5}));
    QCOMPARE(casuale.rimescolamenti, 0);
    QCOMPARE(casuale.valori.size(), size_t(1));
}

VELTRIX_TEST(TestGenerazione)
#include "tst_generazione.moc"
