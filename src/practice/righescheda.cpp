// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/righescheda.h"

#include "platform/casuale.h"
#include "platform/orologio.h"
#include "practice/generazione.h"
#include "practice/numerischeda.h"
#include "state/codici.h"
#include "state/statocondiviso.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

namespace {
// The number compared in a comparison line. The factors always leave the offset below both of
// them (FattoriAdatti), so every difference here is 1 or more and needs no floor at 0.
int rPiuK(const StatoCondiviso& s) {
    return s.Risultato + s.Scarto;
}
int rMenoK(const StatoCondiviso& s) {
    return s.Risultato - s.Scarto;
}
int aPiuK(const StatoCondiviso& s) {
    return s.TermineA + s.Scarto;
}
int aMenoK(const StatoCondiviso& s) {
    return s.TermineA - s.Scarto;
}
int bPiuK(const StatoCondiviso& s) {
    return s.TermineB + s.Scarto;
}
int bMenoK(const StatoCondiviso& s) {
    return s.TermineB - s.Scarto;
}

// One type of line. The pattern is the pupils' line in which the letters a, b, c, r and m stand
// for TermineA, TermineB, TermineC, Risultato and NumeroConfronto, each after its pad; every
// other character is copied as it is.
struct TipoDiRiga {
    const char* alunni;
    // The number the dot hides, or 0 when the dot hides the sign of a comparison.
    char nascosto = 0;
    // The sign that answers a comparison.
    const char* segno = "";
    // NumeroConfronto, for the comparisons that do not compare with r, a or b themselves.
    int (*confronto)(const StatoCondiviso&) = nullptr;
};

constexpr std::array<TipoDiRiga, 4> addizioni{{
    {"a + b + c =  .", 'r'},
    {" . + b + c = r", 'a'},
    {"a + c +  . = r", 'b'},
    {"a +  . + c = r", 'b'},
}};

// Built on the addition's draw: the minuend is the sum r, so the difference a is never negative.
// Type 4 marks its hidden number with an asterisk, as the school's sheets always have.
constexpr std::array<TipoDiRiga, 4> sottrazioni{{
    {"r - b - c =  .", 'a'},
    {" . - b - c = a", 'r'},
    {"r - c -  . = a", 'b'},
    {"r -  * - c = a", 'b'},
}};

constexpr std::array<TipoDiRiga, 12> moltiplicazioni{{
    {"a x b =  .", 'r'},
    {" . x b = r", 'a'},
    {"a x  . = r", 'b'},
    {" . = a x b", 'r'},
    {"r =  . x a", 'b'},
    {"r = b x . ", 'a'},
    {"a x b . r", 0, "="},
    {"a x b . m", 0, "<", rPiuK},
    {"a x b . m", 0, ">", rMenoK},
    {"r . b x a", 0, "="},
    {"m . b x a", 0, ">", rPiuK},
    {"m . b x a", 0, "<", rMenoK},
}};

// The dividend is the product r: the divisor b and the quotient a divide it exactly.
constexpr std::array<TipoDiRiga, 12> divisioni{{
    {"r : b =  .", 'a'},
    {" . : b = a", 'r'},
    {"r :  . = b", 'a'},
    {" . = r : b", 'a'},
    {"a =  . : b", 'r'},
    {"a = r :  .", 'b'},
    {"r : a . b", 0, "="},
    {"r : a . m", 0, ">", bMenoK},
    {"r : a . m", 0, "<", bPiuK},
    {"a . r : b", 0, "="},
    {"m . r : b", 0, ">", aPiuK},
    {"m . r : b", 0, "<", aMenoK},
}};

struct NumeroInRiga {
    const QString& spazio;
    int valore;
};

// The number a pattern letter stands for; none for a character copied as it is.
std::optional<NumeroInRiga> numeroDi(char lettera, const StatoCondiviso& s) {
    switch (lettera) {
    case 'a':
        return NumeroInRiga{s.SpazioA, s.TermineA};
    case 'b':
        return NumeroInRiga{s.SpazioB, s.TermineB};
    case 'c':
        return NumeroInRiga{s.SpazioC, s.TermineC};
    case 'r':
        return NumeroInRiga{s.SpazioRisultato, s.Risultato};
    case 'm':
        return NumeroInRiga{s.SpazioConfronto, s.NumeroConfronto};
    default:
        return std::nullopt;
    }
}

QString rigaAlunni(const TipoDiRiga& tipo, const StatoCondiviso& s) {
    QString riga;
    for (const char* p = tipo.alunni; *p != '\0'; ++p) {
        const auto numero = numeroDi(*p, s);
        riga +=
            numero ? numero->spazio + QString::number(numero->valore) : QString(QLatin1Char(*p));
    }
    return riga;
}

// A hidden number answers with its pad before the bracket; a hidden sign answers with none.
QString parteRisposta(const TipoDiRiga& tipo, const StatoCondiviso& s) {
    if (const auto numero = numeroDi(tipo.nascosto, s)) {
        return numero->spazio + QStringLiteral("   (") + QString::number(numero->valore) +
               QLatin1Char(')');
    }
    return QStringLiteral("    (") + s.SegnoRisposta + QLatin1Char(')');
}

void scriviRiga(const TipoDiRiga& tipo, StatoCondiviso& s) {
    const auto i = static_cast<size_t>(s.IndiceRiga);
    s.SpazioRisposta = QStringLiteral("       ");
    s.RigheAlunni[i] = rigaAlunni(tipo, s);
    s.RigheDocenti[i] = s.RigheAlunni[i] + s.SpazioRisposta + parteRisposta(tipo, s);
}

// Additions and subtractions are built on three terms, multiplications and divisions on two
// factors.
enum class Numeri { Termini, Fattori };

// Draws the numbers of the line; false when they cannot make a true line.
bool estraiNumeri(Numeri numeri, StatoCondiviso& s, SorgenteCasuale& casuale,
                  const Orologio& orologio) {
    if (numeri == Numeri::Termini) {
        GeneraTermini(s, casuale, orologio);
        s.Risultato = static_cast<qint16>(s.TermineA + s.TermineB + s.TermineC);
        return true;
    }
    GeneraFattori(s, casuale, orologio);
    // With no level chosen the numbers are those of an earlier draw, at first all 0: they
    // would give a division by zero or a comparison that does not hold.
    if (!FattoriAdatti(s)) {
        return false;
    }
    s.Risultato = static_cast<qint16>(s.TermineA * s.TermineB);
    return true;
}

// Empties line IndiceRiga before it is built: a line that then cannot be built stays empty,
// where the text of an earlier sheet, of another level or objective, would pass for a line of
// this one. False, and nothing touched, for an index outside the tables.
bool svuotaRiga(StatoCondiviso& s) {
    if (s.IndiceRiga < 0 || static_cast<size_t>(s.IndiceRiga) >= s.RigheAlunni.size()) {
        return false;
    }
    s.RigheAlunni[static_cast<size_t>(s.IndiceRiga)].clear();
    s.RigheDocenti[static_cast<size_t>(s.IndiceRiga)].clear();
    return true;
}

void costruisciRiga(std::span<const TipoDiRiga> tipi, Numeri numeri, StatoCondiviso& s,
                    SorgenteCasuale& casuale, const Orologio& orologio) {
    if (!svuotaRiga(s)) {
        return;
    }
    casuale.rimescola(orologio.secondiDaMezzanotte());
    s.TipoRiga = static_cast<qint16>(estraiNumero(casuale, s.TipoMax - s.TipoMin + 1, s.TipoMin));
    if (s.TipoRiga < 1 || static_cast<size_t>(s.TipoRiga) > tipi.size()) {
        return;
    }
    const TipoDiRiga& tipo = tipi[static_cast<size_t>(s.TipoRiga - 1)];
    s.SegnoRisposta = QString::fromLatin1(tipo.segno);
    if (!estraiNumeri(numeri, s, casuale, orologio)) {
        return;
    }
    if (tipo.confronto != nullptr) {
        s.NumeroConfronto = static_cast<qint16>(tipo.confronto(s));
    }
    CalcolaSpazi(s);
    scriviRiga(tipo, s);
}

// The operations each code mixes, as indexes into operazioniScheda(); a line of a mixed code
// picks one with equal chance.
struct Miscela {
    int quante;
    std::array<int, 4> operazioni;
};

constexpr std::array<Miscela, 7> miscele{{
    {1, {0}},
    {1, {1}},
    {2, {0, 1}},
    {1, {2}},
    {1, {3}},
    {2, {2, 3}},
    {4, {0, 1, 2, 3}},
}};
} // namespace

void Add(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    costruisciRiga(addizioni, Numeri::Termini, stato, casuale, orologio);
}

void Sot(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    costruisciRiga(sottrazioni, Numeri::Termini, stato, casuale, orologio);
}

void Mol(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    costruisciRiga(moltiplicazioni, Numeri::Fattori, stato, casuale, orologio);
}

void Div(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    costruisciRiga(divisioni, Numeri::Fattori, stato, casuale, orologio);
}

const std::array<OperazioneScheda, 4>& operazioniScheda() {
    static const std::array<OperazioneScheda, 4> tabella{{
        {"Addizioni", Add, int(addizioni.size())},
        {"Sottrazioni", Sot, int(sottrazioni.size())},
        {"Moltiplicazioni", Mol, int(moltiplicazioni.size())},
        {"Divisioni", Div, int(divisioni.size())},
    }};
    return tabella;
}

std::vector<OperazioneScheda> operazioniDellaScheda(qint16 codice) {
    std::vector<OperazioneScheda> elenco;
    if (const auto scheda = daCodice<CodiceScheda>(codice)) {
        const Miscela& miscela = miscele[postoDi(*scheda)];
        for (int i = 0; i < miscela.quante; ++i) {
            elenco.push_back(operazioniScheda()[static_cast<size_t>(miscela.operazioni[i])]);
        }
    }
    return elenco;
}

void GeneraRiga(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    const std::vector<OperazioneScheda> miscela = operazioniDellaScheda(stato.Operazione);
    if (miscela.empty()) {
        svuotaRiga(stato);
        return;
    }
    // The choice comes from the running source: only the chosen generator reseeds.
    const int quante = static_cast<int>(miscela.size());
    const int scelta = quante == 1 ? 0 : estraiNumero(casuale, quante, 0);
    miscela[static_cast<size_t>(scelta)].genera(stato, casuale, orologio);
}

QString motivoRigheMancanti(qint16 operazione, qint16 tipoMin, qint16 tipoMax) {
    const std::vector<OperazioneScheda> miscela = operazioniDellaScheda(operazione);
    if (miscela.empty()) {
        return QStringLiteral("il codice di operazione %1 non ha schede (hanno schede i codici "
                              "da 1 a 7)")
            .arg(operazione);
    }
    if (tipoMin < 1 || tipoMax < tipoMin) {
        return QStringLiteral("non è stato scelto nessun obiettivo");
    }
    QStringList senza;
    int ultimoTipo = 0;
    for (const OperazioneScheda& o : miscela) {
        if (o.tipi < tipoMax) {
            senza << QString::fromLatin1(o.nome).toLower();
            ultimoTipo = o.tipi;
        }
    }
    if (senza.isEmpty()) {
        return {};
    }
    return QStringLiteral("%1 hanno righe solo dei tipi da 1 a %2, l'obiettivo chiede i tipi da "
                          "%3 a %4")
        .arg(senza.join(QStringLiteral(" e ")))
        .arg(ultimoTipo)
        .arg(tipoMin)
        .arg(tipoMax);
}
