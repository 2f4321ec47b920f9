// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/finti.h"
#include "comune/registro.h"
#include "practice/fraseoperazione.h"
#include "practice/presentazione.h"
#include "state/statocondiviso.h"

#include <QTest>

namespace {
StatoCondiviso conTermini(int operazione, int a, int b, int c) {
    StatoCondiviso stato;
    stato.Operazione = static_cast<qint16>(operazione);
    stato.TermineA = static_cast<qint16>(a);
    stato.TermineB = static_cast<qint16>(b);
    stato.TermineC = static_cast<qint16>(c);
    stato.ContaOperazioni = 5;
    return stato;
}

QStringList comeLista(const std::array<QString, 4>& numeri) {
    return QStringList(numeri.begin(), numeri.end());
}
} // namespace

class TestPresentazione : public QObject {
    Q_OBJECT
private slots:
    void schemi_data();
    void schemi();
    void rigaFuoriDalRegistro_data();
    void rigaFuoriDalRegistro();
    void sceltaDelloSchema_data();
    void sceltaDelloSchema();
    void frequenzeDegliSchemi_data();
    void frequenzeDegliSchemi();
    void operazioneSconosciuta();
    void frasePerIlLettore_data();
    void frasePerIlLettore();
};

void TestPresentazione::schemi_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("schema");
    QTest::addColumn<QList<int>>("termini");
    QTest::addColumn<QStringList>("etichette");
    QTest::addColumn<int>("mancante");
    QTest::addColumn<int>("risultato");
    QTest::addColumn<QString>("riga");
    const QList<int> add{7, 12, 5}, sot{5, 7, 8}, mol{2, 3, 4};
    // clang-format off
    QTest::newRow("addizione 1") << 1 << 1 << add << QStringList{"7", "12", "5", "?"} << 3 << 24
        << "   7 +   12 +    5 = ...    R.";
    QTest::newRow("addizione 2") << 1 << 2 << add << QStringList{"?", "12", "5", "24"} << 0 << 7
        << " ... +   12 +    5 =   24   R.";
    QTest::newRow("addizione 3") << 1 << 3 << add << QStringList{"7", "?", "5", "24"} << 1 << 12
        << "   7 +  ... +    5 =   24   R.";
    QTest::newRow("addizione 4") << 1 << 4 << add << QStringList{"7", "12", "?", "24"} << 2 << 5
        << "   7 +   12 +  ... =   24   R.";
    QTest::newRow("addizione 2, somma 99") << 1 << 2 << QList<int>{40, 40, 19}
        << QStringList{"?", "40", "19", "99"} << 0 << 40 << " ... +   40 +   19 =   99   R.";
    QTest::newRow("sottrazione 1") << 2 << 1 << sot << QStringList{"20", "7", "8", "?"} << 3 << 5
        << "  20 -    7 -    8 = ...    R.";
    QTest::newRow("sottrazione 2") << 2 << 2 << sot << QStringList{"?", "7", "8", "5"} << 0 << 20
        << " ... -    7 -    8 =    5   R.";
    QTest::newRow("sottrazione 3") << 2 << 3 << sot << QStringList{"20", "?", "8", "7"} << 1 << 5
        << "  20 -  ... -    8 =    7   R.";
    QTest::newRow("sottrazione 4") << 2 << 4 << sot << QStringList{"20", "7", "?", "5"} << 2 << 8
        << "  20 -    7 -  ... =    5   R.";
    QTest::newRow("moltiplicazione 1") << 3 << 1 << mol << QStringList{"2", "3", "4", "?"} << 3 << 24
        << "2 x 3 x 4 =  ...     ";
    QTest::newRow("moltiplicazione 2") << 3 << 2 << mol << QStringList{"?", "3", "4", "24"} << 0 << 2
        << " ...  x 3 x 4 = 24   R.";
    QTest::newRow("moltiplicazione 3") << 3 << 3 << mol << QStringList{"2", "?", "4", "24"} << 1 << 3
        << "2 x  ...  x 4 = 24   R.";
    QTest::newRow("moltiplicazione 4") << 3 << 4 << mol << QStringList{"2", "3", "?", "24"} << 2 << 4
        << "2 x 3 x  ...  = 24   R.";
    QTest::newRow("moltiplicazione 1, due cifre") << 3 << 1 << QList<int>{10, 7, 1}
        << QStringList{"10", "7", "1", "?"} << 3 << 70 << "10 x 7 x 1 =  ...     ";
    // clang-format on
}

// Every layout: what the four labels say, which holds "?", the answer expected and the record
// line, written only at ContaOperazioni.
void TestPresentazione::schemi() {
    QFETCH(int, operazione);
    QFETCH(int, schema);
    QFETCH(QList<int>, termini);
    QFETCH(QStringList, etichette);
    QFETCH(int, mancante);
    QFETCH(int, risultato);
    QFETCH(QString, riga);
    StatoCondiviso stato = conTermini(operazione, termini[0], termini[1], termini[2]);
    stato.RigheStampa.fill(QStringLiteral("prima"));
    const RigaOperazione mostrata = EseguiSchema(stato, operazione, schema);
    QCOMPARE(comeLista(mostrata.numeri), etichette);
    QCOMPARE(mostrata.mancante, mancante);
    QCOMPARE(int(stato.PosizioneMancante), schema);
    QCOMPARE(int(stato.Risultato), risultato);
    QCOMPARE(stato.RigheStampa[5], riga);
    QCOMPARE(stato.RigheStampa[4], QStringLiteral("prima"));
    QCOMPARE(stato.RigheStampa[6], QStringLiteral("prima"));
}

void TestPresentazione::rigaFuoriDalRegistro_data() {
    QTest::addColumn<int>("contaOperazioni");
    QTest::newRow("nessuna operazione") << 0;
    QTest::newRow("oltre la novantesima") << 91;
    QTest::newRow("negativo") << -1;
}

void TestPresentazione::rigaFuoriDalRegistro() {
    QFETCH(int, contaOperazioni);
    StatoCondiviso stato = conTermini(1, 7, 12, 5);
    stato.ContaOperazioni = static_cast<qint16>(contaOperazioni);
    stato.RigheStampa.fill(QStringLiteral("prima"));
    const RigaOperazione mostrata = EseguiSchema(stato, 1, 1);
    QCOMPARE(mostrata.numeri[3], QStringLiteral("?"));
    QCOMPARE(int(stato.Risultato), 24);
    for (const QString& r : stato.RigheStampa) {
        QCOMPARE(r, QStringLiteral("prima"));
    }
}

void TestPresentazione::sceltaDelloSchema_data() {
    QTest::addColumn<int>("livello");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("schema");
    QTest::addColumn<int>("estrazioni");
    const float quasiUno = 0.99999994f;
    QTest::newRow("livello 1 non estrae") << 1 << 0.9f << 1 << 0;
    QTest::newRow("livello 2, r 0") << 2 << 0.0f << 2 << 1;
    QTest::newRow("livello 2, r 0.34") << 2 << 0.34f << 3 << 1;
    QTest::newRow("livello 2, r 0.67") << 2 << 0.67f << 4 << 1;
    QTest::newRow("livello 2, r quasi 1") << 2 << quasiUno << 4 << 1;
    QTest::newRow("livello 3, r 0") << 3 << 0.0f << 1 << 1;
    QTest::newRow("livello 3, r 0.26") << 3 << 0.26f << 2 << 1;
    QTest::newRow("livello 3, r 0.5") << 3 << 0.5f << 3 << 1;
    QTest::newRow("livello 3, r quasi 1") << 3 << quasiUno << 4 << 1;
    QTest::newRow("livello 4, r 0") << 4 << 0.0f << 1 << 1;
    QTest::newRow("livello 4, r 0.76") << 4 << 0.76f << 4 << 1;
}

// The layout comes from one draw without reseeding; the expected answer and the start of the
// operation's clock follow whatever layout was run.
void TestPresentazione::sceltaDelloSchema() {
    QFETCH(int, livello);
    QFETCH(float, r);
    QFETCH(int, schema);
    QFETCH(int, estrazioni);
    for (int operazione = 1; operazione <= 3; ++operazione) {
        StatoCondiviso stato = conTermini(operazione, 2, 3, 4);
        stato.LivelloSerie = static_cast<qint16>(livello);
        OrologioFinto orologio;
        orologio.secondi = 1234.5f;
        CasualeFinto casuale;
        casuale.valori = {r};
        const RigaOperazione mostrata = PresentaOperazione(stato, casuale, orologio);
        QCOMPARE(int(stato.PosizioneMancante), schema);
        QCOMPARE(mostrata.numeri[size_t(mostrata.mancante)], QStringLiteral("?"));
        QCOMPARE(casuale.valori.size(), size_t(1 - estrazioni));
        QCOMPARE(casuale.rimescolamenti, 0);
        QCOMPARE(stato.TestoRisultato, QLatin1Char(' ') + QString::number(stato.Risultato));
        QCOMPARE(stato.InizioOperazione, 1234.5f);
    }
}

void TestPresentazione::frequenzeDegliSchemi_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QList<double>>("attese");
    const QList<double> soloRisultato{1, 0, 0, 0}, soloTermini{0, 1. / 3, 1. / 3, 1. / 3},
        tutti{0.25, 0.25, 0.25, 0.25};
    for (int operazione = 1; operazione <= 3; ++operazione) {
        QTest::addRow("operazione %d livello 1", operazione) << operazione << 1 << soloRisultato;
        QTest::addRow("operazione %d livello 2", operazione) << operazione << 2 << soloTermini;
        QTest::addRow("operazione %d livello 3", operazione) << operazione << 3 << tutti;
        QTest::addRow("operazione %d livello 4", operazione) << operazione << 4 << tutti;
    }
}

// Level 1 always asks for the result, level 2 never does and spreads over the three terms, levels
// 3 and 4 spread over all four elements.
void TestPresentazione::frequenzeDegliSchemi() {
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(QList<double>, attese);
    StatoCondiviso stato = conTermini(operazione, 2, 3, 4);
    stato.LivelloSerie = static_cast<qint16>(livello);
    OrologioFinto orologio;
    GeneratoreMescolato casuale(99);
    std::array<int, 5> conteggi{};
    const int prove = 30000;
    for (int i = 0; i < prove; ++i) {
        PresentaOperazione(stato, casuale, orologio);
        QVERIFY(stato.PosizioneMancante >= 1 && stato.PosizioneMancante <= 4);
        ++conteggi[size_t(stato.PosizioneMancante)];
    }
    for (int schema = 1; schema <= 4; ++schema) {
        const double quota = double(conteggi[size_t(schema)]) / prove;
        // Some 80 times the standard deviation of a fair draw is never reached; a wrong weight is.
        QVERIFY2(qAbs(quota - attese[schema - 1]) < 0.02,
                 qPrintable(QStringLiteral("schema %1: %2").arg(schema).arg(quota)));
        if (attese[schema - 1] == 0) {
            QCOMPARE(conteggi[size_t(schema)], 0);
        }
    }
}

void TestPresentazione::operazioneSconosciuta() {
    StatoCondiviso stato = conTermini(5, 2, 3, 4);
    stato.LivelloSerie = 3;
    stato.Risultato = 11;
    stato.PosizioneMancante = 2;
    stato.TestoRisultato = QStringLiteral(" 11");
    stato.InizioOperazione = 10.0f;
    stato.RigheStampa.fill(QStringLiteral("prima"));
    OrologioFinto orologio;
    CasualeFinto casuale;
    casuale.valori = {0.5f};
    QCOMPARE(PresentaOperazione(stato, casuale, orologio).mancante, -1);
    QCOMPARE(int(stato.Risultato), 11);
    QCOMPARE(int(stato.PosizioneMancante), 2);
    QCOMPARE(stato.TestoRisultato, QStringLiteral(" 11"));
    QCOMPARE(stato.InizioOperazione, 10.0f);
    QCOMPARE(stato.RigheStampa[5], QStringLiteral("prima"));
    QCOMPARE(casuale.valori.size(), size_t(1));
    QCOMPARE(EseguiSchema(stato, 1, 5).mancante, -1);
    QCOMPARE(EseguiSchema(stato, 4, 1).mancante, -1);
    QCOMPARE(stato.RigheStampa[5], QStringLiteral("prima"));
}

// The row as a screen reader says it, from the captions as the window shows them.
void TestPresentazione::frasePerIlLettore_data() {
    QTest::addColumn<QStringList>("parti");
    QTest::addColumn<QString>("frase");
    // clang-format off
    QTest::newRow("addizione") << QStringList{"12", "+", "7", "+", "5", "=", "?"}
                               << "12 più 7 più 5 uguale ?";
    QTest::newRow("sottrazione, primo nascosto") << QStringList{"?", "-", "7", "-", "8", "=", "5"}
                                                 << "? meno 7 meno 8 uguale 5";
    QTest::newRow("moltiplicazione") << QStringList{"2", "x", "?", "x", "4", "=", "24"}
                                     << "2 per ? per 4 uguale 24";
    QTest::newRow("numeri incolonnati") << QStringList{"   7", "+", "  12", "+", "    5", "=", "  24"}
                                        << "7 più 12 più 5 uguale 24";
    QTest::newRow("terzo termine vuoto") << QStringList{"6", "x", "7", "x", "", "=", "?"}
                                         << "6 per 7 uguale ?";
    QTest::newRow("nulla da dire") << QStringList{"", "", "", "", "", "", ""} << "";
    // clang-format on
}

void TestPresentazione::frasePerIlLettore() {
    QFETCH(QStringList, parti);
    QFETCH(QString, frase);
    QCOMPARE(fraseOperazione(parti), frase);
}

VELTRIX_TEST(TestPresentazione)
#include "tst_presentazione.moc"
