// SPDX-License-Identifier: GPL-3.0-or-later
#include "comune/finti.h"
#include "comune/registro.h"
#include "practice/righescheda.h"
#include "state/statocondiviso.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace {
// A teachers' line read back: the answer put in place of the dot, then both sides worked out.
struct RigaLetta {
    QString errore; // empty when the line is well formed and true
    QChar operazione;
    QList<int> numeri;
};

std::optional<int> leggiNumero(const QString& pezzo, RigaLetta& r) {
    static const QRegularExpression cifre(QStringLiteral("^[0-9]+$"));
    if (!cifre.match(pezzo).hasMatch()) {
        r.errore = QStringLiteral("non un numero naturale: ") + pezzo;
        return std::nullopt;
    }
    r.numeri << pezzo.toInt();
    return pezzo.toInt();
}

// One side of the line: numbers joined by one kind of operator, worked out left to right.
std::optional<int> valuta(const QStringList& pezzi, RigaLetta& r) {
    if (pezzi.size() % 2 == 0) {
        r.errore = QStringLiteral("lato incompleto");
        return std::nullopt;
    }
    auto valore = leggiNumero(pezzi[0], r);
    for (qsizetype i = 1; valore && i < pezzi.size(); i += 2) {
        const QString segno = pezzi[i];
        const auto n = leggiNumero(pezzi[i + 1], r);
        if (!n || segno.size() != 1 || !QStringLiteral("+-x:").contains(segno) ||
            (!r.operazione.isNull() && r.operazione != segno[0])) {
            r.errore += QStringLiteral(" operazione ") + segno;
            return std::nullopt;
        }
        r.operazione = segno[0];
        if (segno == QLatin1String(":") && (*n == 0 || *valore % *n != 0)) {
            r.errore = QStringLiteral("divisione non esatta");
            return std::nullopt;
        }
        const QChar s = segno[0];
        valore = s == u'+'   ? *valore + *n
                 : s == u'-' ? *valore - *n
                 : s == u'x' ? *valore * *n
                             : *valore / *n;
    }
    return valore;
}

// The answer part after the seven blanks: a number after its pad, or a sign.
std::optional<QString> leggiRisposta(const QString& parte, RigaLetta& r) {
    static const QRegularExpression forma(
        QStringLiteral(R"(^( ?)   \(([0-9]+)\)$|^    \(([=<>])\)$)"));
    const auto m = forma.match(parte);
    if (!m.hasMatch()) {
        r.errore = QStringLiteral("risposta malformata: [") + parte + QLatin1Char(']');
        return std::nullopt;
    }
    if (m.capturedLength(2) == 0) {
        return m.captured(3);
    }
    if ((m.capturedLength(1) == 1) != (m.captured(2).toInt() < 10)) {
        r.errore = QStringLiteral("spazio della risposta");
        return std::nullopt;
    }
    return m.captured(2);
}

RigaLetta leggiRiga(const QString& alunni, const QString& docenti) {
    RigaLetta r;
    const QString prefisso = alunni + QStringLiteral("       ");
    if (!docenti.startsWith(prefisso)) {
        r.errore = QStringLiteral("i docenti non ripetono la riga degli alunni");
        return r;
    }
    const auto risposta = leggiRisposta(docenti.mid(prefisso.size()), r);
    QStringList pezzi = alunni.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto segnaposto = [](const QString& p) { return p == u"." || p == u"*"; };
    if (!risposta || std::count_if(pezzi.begin(), pezzi.end(), segnaposto) != 1) {
        r.errore += QStringLiteral(" posto della risposta");
        return r;
    }
    *std::find_if(pezzi.begin(), pezzi.end(), segnaposto) = *risposta;
    const auto relazione = [](const QString& p) { return p == u"=" || p == u"<" || p == u">"; };
    const auto confronti = std::count_if(pezzi.begin(), pezzi.end(), relazione);
    const auto posto = std::find_if(pezzi.begin(), pezzi.end(), relazione) - pezzi.begin();
    const auto sinistra = confronti == 1 ? valuta(pezzi.mid(0, posto), r) : std::nullopt;
    const auto destra = sinistra ? valuta(pezzi.mid(posto + 1), r) : std::nullopt;
    if (!destra) {
        r.errore += QStringLiteral(" non si lascia calcolare");
        return r;
    }
    const QString& segno = pezzi[posto];
    const bool vera = segno == u"="   ? *sinistra == *destra
                      : segno == u"<" ? *sinistra < *destra
                                      : *sinistra > *destra;
    if (!vera) {
        r.errore = QStringLiteral("falsa");
    }
    return r;
}

// The level's numbers for additions and subtractions (terms, then the sum) and the window of
// the product for multiplications and divisions.
struct Livello {
    int primoTermine;
    int ultimoTermine;
    int minimo;
    int massimo;
};
const Livello livelli[4] = {{2, 21, 0, 30}, {10, 39, 30, 60}, {20, 79, 60, 90}, {20, 50, 60, 90}};
const int prodottoMinimo[4] = {0, 30, 60, 0};

QString fuoriLivello(const StatoCondiviso& s, QChar operazione, const QList<int>& numeri) {
    const Livello& l = livelli[s.Livello - 1];
    const int a = s.TermineA, b = s.TermineB, c = s.TermineC, r = s.Risultato;
    const auto termine = [&](int n) { return n >= l.primoTermine && n <= l.ultimoTermine; };
    if (operazione == u'+' || operazione == u'-') {
        QList<int> attesi{a, b, c, r};
        QList<int> letti = numeri;
        std::sort(attesi.begin(), attesi.end());
        std::sort(letti.begin(), letti.end());
        const bool bene = termine(a) && termine(b) && termine(c) && r == a + b + c &&
                          r >= l.minimo && r <= l.massimo && letti == attesi;
        return bene ? QString() : QStringLiteral("termini fuori livello");
    }
    const std::set<int> propri{a, b, r, s.NumeroConfronto};
    const bool bene = a >= 2 && b >= 2 && r == a * b && r >= prodottoMinimo[s.Livello - 1] &&
                      r <= l.massimo && s.Scarto >= 1 && s.Scarto < std::min(a, b) &&
                      std::all_of(numeri.begin(), numeri.end(),
                                  [&](int n) { return n >= 1 && propri.contains(n); });
    return bene ? QString() : QStringLiteral("fattori fuori livello");
}

QString operazioniDel(int codice) {
    const char* operazioni[] = {"+", "-", "+-", "x", ":", "x:", "+-x:"};
    return QString::fromLatin1(operazioni[codice - 1]);
}

int tipiDi(QChar operazione) {
    return operazione == u'+' || operazione == u'-' ? 4 : 12;
}
} // namespace

class TestRigheCasuali : public QObject {
    Q_OBJECT
private slots:
    void righeVereNelLivello_data();
    void righeVereNelLivello();
};

void TestRigheCasuali::righeVereNelLivello_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("tipoMin");
    QTest::addColumn<int>("tipoMax");
    // The objectives of the start window, then those of the worksheet window.
    const int obiettivi[][2] = {{1, 1}, {2, 3}, {1, 3}, {1, 6}, {7, 12}, {1, 12}, {2, 4}, {1, 4}};
    for (int operazione = 1; operazione <= 7; ++operazione) {
        for (int livello = 1; livello <= 4; ++livello) {
            for (const auto& o : obiettivi) {
                QTest::addRow("codice %d livello %d tipi %d-%d", operazione, livello, o[0], o[1])
                    << operazione << livello << o[0] << o[1];
            }
        }
    }
}

// Sheet after sheet: each line written is true once its answer is put back, its numbers keep
// to the level and are never negative, and lines of one type keep one length, so the columns
// line up. A line is left empty only for a type its operation does not have; no line of the
// sheet before survives.
void TestRigheCasuali::righeVereNelLivello() {
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, tipoMin);
    QFETCH(int, tipoMax);
    StatoCondiviso s;
    s.Operazione = static_cast<qint16>(operazione);
    s.Livello = static_cast<qint16>(livello);
    s.TipoMin = static_cast<qint16>(tipoMin);
    s.TipoMax = static_cast<qint16>(tipoMax);
    OrologioFinto orologio;
    GeneratoreMescolato casuale(
        static_cast<std::uint64_t>(operazione * 1000 + livello * 100 + tipoMin * 10 + tipoMax));
    const QString possibili = operazioniDel(operazione);
    const QString vecchia = QStringLiteral("vecchia");
    std::set<int> tipiVisti;
    QString operazioniViste;
    std::map<std::pair<QChar, int>, qsizetype> lunghezze;
    for (int i = 0; i < 2000; ++i) {
        if (i % 60 == 0) {
            orologio.secondi += 0.75f;
        }
        s.IndiceRiga = static_cast<qint16>(1 + i % 60);
        QString& alunni = s.RigheAlunni[static_cast<size_t>(s.IndiceRiga)];
        QString& docenti = s.RigheDocenti[static_cast<size_t>(s.IndiceRiga)];
        alunni = docenti = vecchia;
        GeneraRiga(s, casuale, orologio);
        const int tipo = s.TipoRiga;
        QVERIFY(tipo >= tipoMin && tipo <= tipoMax);
        tipiVisti.insert(tipo);
        if (alunni.isEmpty()) {
            QCOMPARE(docenti, QString());
            QVERIFY2(tipo > 4 && (possibili.contains(u'+') || possibili.contains(u'-')),
                     qPrintable(QString::number(tipo)));
            continue;
        }
        const RigaLetta riga = leggiRiga(alunni, docenti);
        const QString errore =
            riga.errore.isEmpty() ? fuoriLivello(s, riga.operazione, riga.numeri) : riga.errore;
        QVERIFY2(errore.isEmpty(), qPrintable(errore + QStringLiteral(": ") + docenti));
        QVERIFY2(possibili.contains(riga.operazione) && tipo <= tipiDi(riga.operazione),
                 qPrintable(docenti));
        if (!operazioniViste.contains(riga.operazione)) {
            operazioniViste += riga.operazione;
        }
        const auto posto = lunghezze.emplace(std::pair{riga.operazione, tipo}, alunni.size()).first;
        QVERIFY2(posto->second == alunni.size(), qPrintable(alunni));
    }
    std::set<int> tipiAttesi;
    for (int tipo = tipoMin; tipo <= tipoMax; ++tipo) {
        tipiAttesi.insert(tipo);
    }
    QCOMPARE(tipiVisti, tipiAttesi);
    // Every operation of the code shows up, unless the objective has no type for it.
    QString attese;
    for (QChar o : possibili) {
        if (tipoMin <= tipiDi(o)) {
            attese += o;
        }
    }
    std::sort(operazioniViste.begin(), operazioniViste.end());
    std::sort(attese.begin(), attese.end());
    QCOMPARE(operazioniViste, attese);
}

VELTRIX_TEST(TestRigheCasuali)
#include "tst_righecasuali.moc"
