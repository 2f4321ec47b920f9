// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/finti.h"
#include "comune/registro.h"
#include "practice/generazione.h"
#include "practice/presentazione.h"
#include "practice/serie.h"
#include "state/statocondiviso.h"

#include <QTest>

using namespace serie;

class TestSerie : public QObject {
    Q_OBJECT
private slots:
    void nuovaSerie();
    void novantaOperazioniPoiBasta();
    void giudizio_data();
    void giudizio();
    void piuGiudiziSullaStessaRiga();
    void rigaCompletaDellEsempio();
    void rigaDelRegistro_data();
    void rigaDelRegistro();
    void tempi_data();
    void tempi();
};

void TestSerie::nuovaSerie() {
    StatoCondiviso stato;
    stato.NumeroEsercizio = 3;
    stato.ContaOperazioni = 42;
    stato.NumeroOperazione = 42;
    stato.TempoTotale = 500;
    stato.TempoParziale = 20;
    stato.TotaleEsatte = 30;
    stato.RisposteEsatte = 30;
    stato.RisposteErrate = 12;
    stato.RifiutiAiuto = 2;
    stato.TempiEsercizio.fill(QStringLiteral(" 500"));
    stato.RigheStampa.fill(QStringLiteral("vecchia"));
    iniziaSerie(stato);
    QCOMPARE(int(stato.NumeroEsercizio), 1);
    QCOMPARE(int(stato.ContaOperazioni), 0);
    QCOMPARE(int(stato.NumeroOperazione), 0);
    QCOMPARE(stato.TempoTotale, 0);
    QCOMPARE(stato.TempoParziale, 0);
    QCOMPARE(int(stato.TotaleEsatte), 0);
    QCOMPARE(int(stato.RisposteEsatte), 0);
    QCOMPARE(int(stato.RisposteErrate), 0);
    QCOMPARE(int(stato.RifiutiAiuto), 0);
    QCOMPARE(stato.TempiEsercizio[1], QString());
    for (size_t i = 1; i <= 20; ++i) {
        QVERIFY(stato.RigheStampa[i].isEmpty());
    }
    // The later lines are rewritten when their operation is shown, never printed before.
    QCOMPARE(stato.RigheStampa[21], QStringLiteral("vecchia"));
    QVERIFY(!serieCompleta(stato));
}

// A whole series through generation, presentation and judging: 90 lines, then the record is
// full and nothing moves any more.
void TestSerie::novantaOperazioniPoiBasta() {
    StatoCondiviso stato;
    stato.Operazione = 2;
    stato.Livello = 3;
    OrologioFinto orologio;
    CasualeFinto casuale;
    iniziaSerie(stato);
    stato.RigheStampa[0] = QStringLiteral("mai usata");
    for (int i = 1; i <= 90; ++i) {
        QVERIFY(!serieCompleta(stato));
        QVERIFY(avanzaOperazione(stato));
        QCOMPARE(int(stato.ContaOperazioni), i);
        QCOMPARE(int(stato.NumeroOperazione), i);
        QVERIFY(!GeneraOperazioneTermini(stato, casuale, orologio).isEmpty());
        PresentaOperazione(stato, casuale, orologio);
        stato.Risposta = stato.TestoRisultato.trimmed();
        QVERIFY(VerificaRisposta(stato));
        QVERIFY(stato.RigheStampa[size_t(i)].endsWith(stato.Risposta + QStringLiteral("  ")));
    }
    QVERIFY(serieCompleta(stato));
    QVERIFY(!avanzaOperazione(stato));
    QCOMPARE(int(stato.ContaOperazioni), 90);
    QCOMPARE(int(stato.NumeroOperazione), 90);
    QCOMPARE(int(stato.TotaleEsatte), 90);
    QCOMPARE(stato.RigheStampa[0], QStringLiteral("mai usata"));
}

void TestSerie::giudizio_data() {
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<bool>("esatta");
    QTest::newRow("una cifra") << " 7"
                               << "7" << true;
    QTest::newRow("due cifre") << " 24"
                               << "24" << true;
    QTest::newRow("zero davanti") << " 7"
                                  << "07" << false;
    QTest::newRow("cifre scambiate") << " 24"
                                     << "42" << false;
    QTest::newRow("vuota") << " 7"
                           << "" << false;
    QTest::newRow("vuota senza attesa") << ""
                                        << "" << false;
    QTest::newRow("spazi agli estremi") << " 24"
                                        << " 24 " << true;
    QTest::newRow("una cifra in meno") << " 24"
                                       << "2" << false;
}

void TestSerie::giudizio() {
    QFETCH(QString, atteso);
    QFETCH(QString, risposta);
    QFETCH(bool, esatta);
    StatoCondiviso stato;
    stato.ContaOperazioni = 3;
    stato.RigheStampa[3] = QStringLiteral("riga");
    stato.RisposteEsatte = stato.TotaleEsatte = 4;
    stato.RisposteErrate = 2;
    stato.TestoRisultato = atteso;
    stato.Risposta = risposta;
    QCOMPARE(VerificaRisposta(stato), esatta);
    const QString marca = esatta ? QStringLiteral("  ") : QStringLiteral("* ");
    QCOMPARE(stato.MarcaRisposta, marca);
    QCOMPARE(stato.RigheStampa[3], QStringLiteral("riga") + risposta + marca);
    QCOMPARE(int(stato.RisposteEsatte), esatta ? 5 : 4);
    QCOMPARE(int(stato.TotaleEsatte), int(stato.RisposteEsatte));
    QCOMPARE(int(stato.RisposteErrate), esatta ? 2 : 3);
}

// Refusing help lets the pupil answer the same operation again: each judging adds its pair.
void TestSerie::piuGiudiziSullaStessaRiga() {
    StatoCondiviso stato;
    stato.ContaOperazioni = 1;
    stato.RigheStampa[1] = QStringLiteral("L");
    stato.TestoRisultato = QStringLiteral(" 24");
    for (const char* risposta : {"23", "", "24"}) {
        stato.Risposta = QString::fromLatin1(risposta);
        VerificaRisposta(stato);
    }
    QCOMPARE(stato.RigheStampa[1], QStringLiteral("L23* * 24  "));
    QCOMPARE(int(stato.RisposteErrate), 2);
    QCOMPARE(int(stato.RisposteEsatte), 1);
    QCOMPARE(int(stato.TotaleEsatte), 1);
}

void TestSerie::rigaCompletaDellEsempio() {
    StatoCondiviso stato;
    stato.Operazione = 1;
    stato.Livello = 1;
    stato.TermineA = 7;
    stato.TermineB = 12;
    stato.TermineC = 5;
    iniziaSerie(stato);
    QVERIFY(avanzaOperazione(stato));
    OrologioFinto orologio;
    CasualeFinto casuale;
    PresentaOperazione(stato, casuale, orologio);
    stato.Risposta = QStringLiteral("24");
    QVERIFY(VerificaRisposta(stato));
    QCOMPARE(stato.RigheStampa[1], QStringLiteral("   7 +   12 +    5 = ...    R.24  "));
}

void TestSerie::rigaDelRegistro_data() {
    QTest::addColumn<int>("contaOperazioni");
    QTest::addColumn<bool>("esiste");
    QTest::newRow("0, prima della prima operazione") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("90, l'ultima") << 90 << true;
    QTest::newRow("91, oltre il registro") << 91 << false;
    QTest::newRow("negativo") << -1 << false;
}

void TestSerie::rigaDelRegistro() {
    QFETCH(int, contaOperazioni);
    QFETCH(bool, esiste);
    StatoCondiviso stato;
    stato.ContaOperazioni = static_cast<qint16>(contaOperazioni);
    QString* const riga = rigaInCorso(stato);
    QCOMPARE(riga, esiste ? &stato.RigheStampa[size_t(contaOperazioni)] : nullptr);
}

void TestSerie::tempi_data() {
    QTest::addColumn<float>("inizio");
    QTest::addColumn<float>("fine");
    QTest::addColumn<int>("totalePrima");
    QTest::addColumn<int>("parziale");
    QTest::addColumn<QString>("mostratoParziale");
    QTest::addColumn<QString>("mostratoTotale");
    QTest::newRow("secondi interi") << 100.0f << 112.0f << 0 << 12 << " 12"
                                    << " 12";
    QTest::newRow("frazione troncata") << 10.9f << 20.5f << 5 << 9 << " 9"
                                       << " 14";
    QTest::newRow("sotto il secondo") << 50.25f << 50.75f << 7 << 0 << " 0"
                                      << " 7";
    QTest::newRow("99 si vede") << 0.0f << 99.5f << 0 << 99 << " 99"
                                << " 99";
    QTest::newRow("100 si vede 99") << 0.0f << 100.0f << 0 << 100 << "99"
                                    << " 100";
    QTest::newRow("150 si vede 99") << 1000.0f << 1150.0f << 200 << 150 << "99"
                                    << " 350";
    QTest::newRow("totale 999 si vede") << 0.0f << 9.0f << 990 << 9 << " 9"
                                        << " 999";
    QTest::newRow("totale 1000 si vede 999") << 0.0f << 10.0f << 990 << 10 << " 10"
                                             << "999";
    QTest::newRow("mezzanotte") << 86399.5f << 3.0f << 40 << 3 << " 3"
                                << " 43";
    QTest::newRow("mezzanotte, giudicata a 0") << 86390.0f << 0.0f << 0 << 10 << " 10"
                                               << " 10";
}

// The true times are kept; only what the labels show is capped.
void TestSerie::tempi() {
    QFETCH(float, inizio);
    QFETCH(float, fine);
    QFETCH(int, totalePrima);
    QFETCH(int, parziale);
    QFETCH(QString, mostratoParziale);
    QFETCH(QString, mostratoTotale);
    StatoCondiviso stato;
    iniziaSerie(stato);
    stato.TempoTotale = totalePrima;
    stato.InizioOperazione = inizio;
    const TempiMostrati mostrati = AggiornaTempi(stato, fine);
    QCOMPARE(stato.FineOperazione, fine);
    QCOMPARE(stato.TempoParziale, parziale);
    QCOMPARE(stato.TestoTempoParziale, QLatin1Char(' ') + QString::number(parziale));
    QCOMPARE(stato.TempoTotale, totalePrima + parziale);
    QCOMPARE(stato.TempiEsercizio[1], QLatin1Char(' ') + QString::number(totalePrima + parziale));
    QCOMPARE(mostrati.parziale, mostratoParziale);
    QCOMPARE(mostrati.totale, mostratoTotale);
}

VELTRIX_TEST(TestSerie)
#include "tst_serie.moc"
