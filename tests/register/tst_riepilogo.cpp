// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/registro.h"
#include "register/riepilogo.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<SerieRegistrata>)

namespace {
const char* const segni[] = {"", "+", "-", "x", ":"};

OperazioneRegistrata op(int a, int b, int c, int mancante, bool esatta, bool intervento = false) {
    OperazioneRegistrata o;
    o.termineA = static_cast<qint16>(a);
    o.termineB = static_cast<qint16>(b);
    o.termineC = static_cast<qint16>(c);
    o.mancante = static_cast<qint16>(mancante);
    o.risposte = {{QStringLiteral("1"), esatta}};
    o.intervento = intervento;
    return o;
}

// A series of operation `codice` ending on March `giorno` at `ora`, local time, kept in UTC as
// the register keeps it.
SerieRegistrata serie(int codice, int giorno, int ora, const QList<OperazioneRegistrata>& ops = {},
                      const QString& alunno = QStringLiteral("a")) {
    SerieRegistrata s;
    s.alunno = alunno;
    s.operazione = static_cast<qint16>(codice);
    s.inizio = s.fine = QDateTime(QDate(2026, 3, giorno), QTime(ora, 30)).toUTC();
    for (OperazioneRegistrata o : ops) {
        o.numero = static_cast<int>(s.operazioniGiudicate.size()) + 1;
        o.segno = QString::fromLatin1(segni[codice]);
        s.operazioniGiudicate.insert(o.numero, o);
    }
    s.operazioni = static_cast<int>(ops.size());
    s.esatte = s.operazioni * 2;
    s.errate = 1;
    s.valutazione = QStringLiteral("voto del %1 alle %2").arg(giorno).arg(ora);
    return s;
}
} // namespace

class TestRiepilogo : public QObject {
    Q_OBJECT
private slots:
    void fatti_data();
    void fatti();
    void classe_data();
    void classe();
};

void TestRiepilogo::fatti_data() {
    QTest::addColumn<QList<SerieRegistrata>>("elenco");
    QTest::addColumn<QStringList>("attesi");
    QTest::newRow("risultato nascosto")
        << QList{serie(1, 2, 9, {op(12, 7, 5, 1, false)})} << QStringList{"12 + 7 + 5: 1"};
    QTest::newRow("termine di mezzo")
        << QList{serie(1, 2, 9, {op(12, 7, 5, 3, false)})} << QStringList{"12 + ? + 5 = 24: 1"};
    // The minuend is the sum; the term after it depends on which one is hidden.
    QTest::newRow("sottrazione, primo")
        << QList{serie(2, 2, 9, {op(6, 4, 5, 2, false)})} << QStringList{"? - 4 - 5 = 6: 1"};
    QTest::newRow("sottrazione, secondo")
        << QList{serie(2, 2, 9, {op(6, 4, 5, 3, false)})} << QStringList{"15 - ? - 5 = 4: 1"};
    QTest::newRow("moltiplicazione")
        << QList{serie(3, 2, 9, {op(2, 3, 4, 4, false)})} << QStringList{"2 x 3 x ? = 24: 1"};
    QTest::newRow("esatta non conta, intervento sì")
        << QList{serie(1, 2, 9, {op(1, 2, 3, 1, true), op(4, 5, 6, 1, true, true)})}
        << QStringList{"4 + 5 + 6: 1"};
    QTest::newRow("senza esercizi, mancante fuori posto")
        << QList{serie(4, 2, 9, {op(8, 2, 1, 1, false)}), serie(1, 2, 9, {op(1, 2, 3, 7, false)})}
        << QStringList{};
    // Twice in older series beats once in the newest; the input is not in time order.
    QTest::newRow("due volte prima")
        << QList{serie(1, 5, 9, {op(9, 9, 9, 1, false)}), serie(1, 2, 9, {op(1, 1, 1, 1, false)}),
                 serie(1, 3, 9, {op(1, 1, 1, 1, false)})}
        << QStringList{"1 + 1 + 1: 2", "9 + 9 + 9: 1"};
    QTest::newRow("a pari, il più recente; solo i primi due")
        << QList{serie(1, 3, 9, {op(3, 3, 3, 1, false), op(4, 4, 4, 1, false)}),
                 serie(1, 2, 9, {op(2, 2, 2, 1, false)})}
        << QStringList{"4 + 4 + 4: 1", "3 + 3 + 3: 1"};
}

void TestRiepilogo::fatti() {
    QFETCH(QList<SerieRegistrata>, elenco);
    QFETCH(QStringList, attesi);
    QStringList trovati;
    for (const FattoSbagliato& f : fattiPiuSbagliati(elenco, 2)) {
        trovati << QStringLiteral("%1: %2").arg(f.fatto).arg(f.volte);
    }
    QCOMPARE(trovati, attesi);
}

void TestRiepilogo::classe_data() {
    QTest::addColumn<QList<SerieRegistrata>>("elenco");
    QTest::addColumn<QStringList>("attese");
    QTest::newRow("nessuna serie")
        << QList<SerieRegistrata>{} << QStringList{"Anna nulla", "Bruno nulla"};
    // The week is March 2 to 8: the 1st and the 9th are outside, its first and last days in.
    QTest::newRow("periodo") << QList{serie(1, 1, 12), serie(1, 9, 0),
                                      serie(1, 2, 0, {op(1, 1, 1, 1, true)}),
                                      serie(1, 8, 23, {}, QStringLiteral("b"))}
                             << QStringList{"Anna 1 1 2 1 voto del 2 alle 0",
                                            "Bruno 1 0 0 1 voto del 8 alle 23"};
    QTest::newRow("altri alunni e ospiti")
        << QList{serie(1, 4, 9, {}, QStringLiteral("c")), serie(1, 4, 9, {}, {})}
        << QStringList{"Anna nulla", "Bruno nulla"};
    QTest::newRow("voto dell'ultima serie")
        << QList{serie(1, 6, 9), serie(1, 6, 10, {op(1, 1, 1, 1, true)}), serie(1, 3, 11)}
        << QStringList{"Anna 3 1 2 3 voto del 6 alle 10", "Bruno nulla"};
}

void TestRiepilogo::classe() {
    QFETCH(QList<SerieRegistrata>, elenco);
    QFETCH(QStringList, attese);
    const ClasseRegistro classe{QStringLiteral("3A"),
                                QStringLiteral("Terza A"),
                                {{QStringLiteral("a"), QStringLiteral("Anna")},
                                 {QStringLiteral("b"), QStringLiteral("Bruno")}}};
    QStringList righe;
    for (const SintesiAlunno& r :
         sintesiClasse(classe, elenco, QDate(2026, 3, 2), QDate(2026, 3, 8))) {
        righe << (r.nulla() ? r.alunno.nome + QStringLiteral(" nulla")
                            : QStringLiteral("%1 %2 %3 %4 %5 %6")
                                  .arg(r.alunno.nome)
                                  .arg(r.serie)
                                  .arg(r.operazioni)
                                  .arg(r.esatte)
                                  .arg(r.errate)
                                  .arg(r.valutazione));
    }
    QCOMPARE(righe, attese);
}

VELTRIX_TEST(TestRiepilogo)
#include "tst_riepilogo.moc"
