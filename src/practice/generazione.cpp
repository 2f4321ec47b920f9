// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/generazione.h"

#include "platform/casuale.h"
#include "platform/orologio.h"
#include "state/codici.h"
#include "state/statocondiviso.h"

#include <array>
#include <cmath>

namespace {
// Each number is floor(r x span) + base; the draw is kept when the combination of the three lies
// within minimo..massimo, both included.
struct Limiti {
    int span;
    int base;
    int minimo;
    int massimo;
};

constexpr int livelliConLimiti = 3;

struct RegolaOperazione {
    const char* segno;
    bool prodotto;
    std::array<Limiti, livelliConLimiti> livelli;
};

// The sum of a subtraction's numbers is its minuend: its rows draw fewer or larger numbers than
// addition's so that every minuend stays under 99 and each level gets larger than the one before.
constexpr std::array<RegolaOperazione, 3> regole{{
    {"+", false, {{{20, 1, 10, 40}, {30, 1, 30, 70}, {40, 1, 50, 99}}}},
    {"-", false, {{{20, 1, 10, 40}, {20, 1, 30, 70}, {30, 20, 50, 98}}}},
    {"x", true, {{{10, 1, 10, 40}, {10, 1, 40, 70}, {10, 1, 50, 99}}}},
}};

// Level 4 ("numbers from 1 to 99") has no bounds of its own; drawing one of the other three
// levels gives the pupil operations of every size instead of an empty row.
int livelloDaUsare(qint16 livello, SorgenteCasuale& casuale) {
    return livello == 4 ? estraiNumero(casuale, livelliConLimiti, 1) : livello;
}

QString genera(OperazioneEsercizio operazione, StatoCondiviso& stato, SorgenteCasuale& casuale,
               const Orologio& orologio) {
    const RegolaOperazione& regola = regole[postoDi(operazione)];
    casuale.rimescola(orologio.secondiDaMezzanotte());
    const int livello = livelloDaUsare(stato.LivelloSerie, casuale);
    if (livello < 1 || livello > livelliConLimiti) {
        return QString::fromLatin1(regola.segno);
    }
    const Limiti& l = regola.livelli[static_cast<size_t>(livello - 1)];
    int a = 0, b = 0, c = 0, combinazione = 0;
    do {
        a = estraiNumero(casuale, l.span, l.base);
        b = estraiNumero(casuale, l.span, l.base);
        c = estraiNumero(casuale, l.span, l.base);
        combinazione = regola.prodotto ? a * b * c : a + b + c;
    } while (combinazione < l.minimo || combinazione > l.massimo);
    stato.TermineA = static_cast<qint16>(a);
    stato.TermineB = static_cast<qint16>(b);
    stato.TermineC = static_cast<qint16>(c);
    return QString::fromLatin1(regola.segno);
}
} // namespace

int estraiNumero(SorgenteCasuale& casuale, int span, int base) {
    // The product is floored, never rounded: with r < 1 it stays below span even in single
    // precision.
    return static_cast<int>(std::floor(casuale.prossimo() * static_cast<float>(span))) + base;
}

QString GeneraAdd(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    return genera(OperazioneEsercizio::Addizione, stato, casuale, orologio);
}

QString GeneraSot(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    return genera(OperazioneEsercizio::Sottrazione, stato, casuale, orologio);
}

QString GeneraMol(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio) {
    return genera(OperazioneEsercizio::Moltiplicazione, stato, casuale, orologio);
}

QString GeneraOperazioneTermini(StatoCondiviso& stato, SorgenteCasuale& casuale,
                                const Orologio& orologio) {
    const auto operazione = daCodice<OperazioneEsercizio>(stato.Operazione);
    if (!operazione) {
        return {};
    }
    switch (*operazione) {
    case OperazioneEsercizio::Addizione:
        return GeneraAdd(stato, casuale, orologio);
    case OperazioneEsercizio::Sottrazione:
        return GeneraSot(stato, casuale, orologio);
    case OperazioneEsercizio::Moltiplicazione:
        return GeneraMol(stato, casuale, orologio);
    }
    return {};
}
