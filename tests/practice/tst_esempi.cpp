// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/banco.h"
#include "comune/finti.h"
#include "comune/registro.h"
#include "practice/esempi.h"
#include "start/frminizio.h"

#include <QAction>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTest>

namespace {
// "9 + 8 + 16 = 33" is true? The row is three numbers and a result, joined by one sign.
bool vera(const QString& riga) {
    const QStringList p = riga.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (p.size() != 7 || p[1] != p[3] || p[5] != QLatin1String("=")) {
        return false;
    }
    const long a = p[0].toLong(), b = p[2].toLong(), c = p[4].toLong(), r = p[6].toLong();
    if (p[1] == QLatin1String("+")) {
        return a + b + c == r;
    }
    if (p[1] == QLatin1String("-")) {
        return a - b - c == r && a - b - c >= 0;
    }
    return p[1] == QLatin1String("x") && a * b * c == r;
}
} // namespace

class TestEsempi : public QObject {
    Q_OBJECT
private slots:
    void eserciziVeriConLaLoroRisposta_data();
    void eserciziVeriConLaLoroRisposta();
    void righeDiOgniTipo_data();
    void righeDiOgniTipo();
    void laFinestraNonToccaLaSerie();
};

void TestEsempi::eserciziVeriConLaLoroRisposta_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("esempi");
    QTest::newRow("addizioni") << 1 << 4;
    QTest::newRow("sottrazioni") << 2 << 4;
    QTest::newRow("moltiplicazioni") << 3 << 4;
    QTest::newRow("divisioni: nessun esercizio") << 5 << 0;
    QTest::newRow("codice assente") << 0 << 0;
}

void TestEsempi::eserciziVeriConLaLoroRisposta() {
    QFETCH(int, operazione);
    QFETCH(int, esempi);
    CasualeFinto casuale;
    OrologioFinto orologio;
    for (int volta = 0; volta < 300; ++volta) {
        const auto elenco = esempiEsercizi(static_cast<qint16>(operazione), casuale, orologio);
        QCOMPARE(int(elenco.size()), esempi);
        for (size_t i = 0; i < elenco.size(); ++i) {
            const EsempioEsercizio& e = elenco[i];
            QCOMPARE(e.livello, int(i) + 1);
            QCOMPARE(e.riga.count(QLatin1Char('?')), 1);
            QString completa = e.riga;
            completa.replace(QLatin1Char('?'), e.risposta);
            QVERIFY2(vera(completa), qPrintable(e.riga + QStringLiteral(" -> ") + e.risposta));
        }
        orologio.secondi += 0.25f;
    }
}

void TestEsempi::righeDiOgniTipo_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QStringList>("operazioni");
    QTest::addColumn<int>("righe");
    QTest::newRow("addizioni") << 1 << QStringList{"Addizioni"} << 4;
    QTest::newRow("miste") << 3 << QStringList{"Addizioni", "Sottrazioni"} << 8;
    QTest::newRow("divisioni") << 5 << QStringList{"Divisioni"} << 12;
    QTest::newRow("tutte") << 7
                           << QStringList{"Addizioni", "Sottrazioni", "Moltiplicazioni",
                                          "Divisioni"}
                           << 32;
    QTest::newRow("codice fuori") << 8 << QStringList{} << 0;
}

void TestEsempi::righeDiOgniTipo() {
    QFETCH(int, operazione);
    QFETCH(QStringList, operazioni);
    QFETCH(int, righe);
    CasualeFinto casuale;
    OrologioFinto orologio;
    const auto elenco = esempiSchede(static_cast<qint16>(operazione), 1, casuale, orologio);
    QCOMPARE(int(elenco.size()), righe);
    QStringList viste;
    for (const EsempioScheda& e : elenco) {
        if (!viste.contains(e.operazione)) {
            viste << e.operazione;
        }
        QVERIFY2(!e.alunni.isEmpty(), qPrintable(e.operazione + QString::number(e.tipo)));
        // The teachers' line is the pupils' one with its answer in brackets.
        QVERIFY2(e.docenti.startsWith(e.alunni + QStringLiteral("       ")) &&
                     e.docenti.contains(QLatin1Char('(')),
                 qPrintable(e.docenti));
        QVERIFY(e.docenti.endsWith(QLatin1Char(')')));
    }
    QCOMPARE(viste, operazioni);
}

// The examples are drawn in a state of their own: the pupil's series stays as it was.
void TestEsempi::laFinestraNonToccaLaSerie() {
    Banco banco;
    StatoCondiviso& s = banco.programma->stato;
    s.Operazione = 1;
    s.Livello = 2;
    s.ContaOperazioni = 3;
    s.TermineA = 7;
    s.RigheStampa[3] = QStringLiteral("riga in corso");
    s.RigheAlunni[5] = QStringLiteral("scheda");
    const StatoCondiviso prima = s;
    auto* f = banco.finestra<frmInizio>(Finestra::Inizio);
    f->findChild<QAction*>(QStringLiteral("mnuEsempi"))->trigger();
    auto* finestra = f->findChild<QDialog*>(QStringLiteral("FinestraEsempi"));
    QVERIFY(finestra && finestra->isVisible());
    QCOMPARE(finestra->windowModality(), Qt::ApplicationModal);
    const QString esercizi =
        finestra->findChild<QPlainTextEdit*>(QStringLiteral("txtEsercizi"))->toPlainText();
    QCOMPARE(esercizi.count(QStringLiteral("Livello ")), 4);
    QVERIFY(finestra->findChild<QPlainTextEdit*>(QStringLiteral("txtSchede"))
                ->toPlainText()
                .contains(QStringLiteral("Addizioni")));
    QCOMPARE(s.Livello, prima.Livello);
    QCOMPARE(s.ContaOperazioni, prima.ContaOperazioni);
    QCOMPARE(s.TermineA, prima.TermineA);
    QVERIFY(s.RigheStampa == prima.RigheStampa);
    QVERIFY(s.RigheAlunni == prima.RigheAlunni);
    finestra->close();
}

VELTRIX_TEST(TestEsempi)
#include "tst_esempi.moc"
