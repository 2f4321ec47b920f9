// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/presentazione.h"

#include "platform/orologio.h"
#include "practice/generazione.h"
#include "practice/serie.h"
#include "practice/testonumero.h"
#include "state/codici.h"
#include "state/statocondiviso.h"

namespace {
constexpr int nessunaEtichetta = -1;
constexpr int indiceRisultato = 3;
using Numeri = std::array<int, 4>;

// How an operation's record line is written: cell, sign, cell, sign, cell, " = ", result cell,
// closing. Additions and subtractions right-align each number to four columns and close with
// "   R." before the answer; multiplications write the plain numbers. A shown product closes
// with "   R." too, or the typed answer would run on from its digits: "= 63" and 7 read "= 637".
struct FormaRiga {
    const char* segno;
    bool incolonnata;
    const char* termineNascosto;
    const char* risultatoNascosto;
    const char* chiusura;
    const char* chiusuraRisultatoNascosto;
};

// A hidden factor is " ... ", blanks on both sides, as in the line " ...  x 3 x 4 = 24   R." of a
// hidden first factor; a hidden second or third factor therefore reads "2 x  ...  x 4 = 24   R."
// or "2 x 3 x  ...  = 24   R.".
constexpr std::array<FormaRiga, 3> forme{{
    {"+", true, " ...", "... ", "   R.", "   R."},
    {"-", true, " ...", "... ", "   R.", "   R."},
    {"x", false, " ... ", " ...     ", "   R.", ""},
}};

// Which layout a level shows: floor(r x span) + base, or base alone without a draw when span is 0.
struct SceltaSchema {
    int span;
    int base;
};
constexpr std::array<SceltaSchema, 4> sceltePerLivello{{{0, 1}, {3, 2}, {4, 1}, {4, 1}}};

// The row from left to right, result last, before one element is hidden.
Numeri numeriDellaRiga(const StatoCondiviso& s, OperazioneEsercizio operazione, int schema) {
    const int a = s.TermineA, b = s.TermineB, c = s.TermineC;
    switch (operazione) {
    case OperazioneEsercizio::Addizione:
        return {a, b, c, a + b + c};
    case OperazioneEsercizio::Sottrazione:
        // The minuend is the sum of the three, so T - B - C = A. With the second term hidden A and
        // B change places, and the pupil finds A again: T - ? - C = B.
        return schema == 3 ? Numeri{a + b + c, a, c, b} : Numeri{a + b + c, b, c, a};
    case OperazioneEsercizio::Moltiplicazione:
        break;
    }
    return {a, b, c, a * b * c};
}

QString incolonnato(const StatoCondiviso& s, const Numeri& numeri, int indice) {
    switch (indice) {
    case 0:
        return s.SpazioA + s.TestoA;
    case 1:
        return s.SpazioB + s.TestoB;
    case 2:
        return s.SpazioC + s.TestoC;
    default:
        return s.SpazioRisultato + testoConSpazio(numeri[indiceRisultato]);
    }
}

QString rigaStampa(const StatoCondiviso& s, const FormaRiga& forma, const Numeri& numeri,
                   int nascosto) {
    std::array<QString, 4> celle;
    for (int i = 0; i < 4; ++i) {
        const char* nascosta =
            i == indiceRisultato ? forma.risultatoNascosto : forma.termineNascosto;
        celle[i] = i == nascosto       ? QString::fromLatin1(nascosta)
                   : forma.incolonnata ? incolonnato(s, numeri, i)
                                       : QString::number(numeri[i]);
    }
    const QString segno = QLatin1Char(' ') + QLatin1String(forma.segno) + QLatin1Char(' ');
    const char* chiusura =
        nascosto == indiceRisultato ? forma.chiusuraRisultatoNascosto : forma.chiusura;
    return celle[0] + segno + celle[1] + segno + celle[2] + QStringLiteral(" = ") + celle[3] +
           QLatin1String(chiusura);
}

// 0 for a level outside 1 to 4: no layout is shown.
int scegliSchema(qint16 livello, SorgenteCasuale& casuale) {
    if (livello < 1 || livello > static_cast<int>(sceltePerLivello.size())) {
        return 0;
    }
    const SceltaSchema& scelta = sceltePerLivello[static_cast<size_t>(livello - 1)];
    return scelta.span == 0 ? scelta.base : estraiNumero(casuale, scelta.span, scelta.base);
}
} // namespace

int indiceEtichetta(int posizioneMancante) {
    // The result is element 1 but stands last in the row.
    return (posizioneMancante + 2) % 4;
}

void PreparaSpazi(StatoCondiviso& stato, const std::array<int, 4>& numeriMostrati) {
    stato.TestoA = testoConSpazio(numeriMostrati[0]);
    stato.TestoB = testoConSpazio(numeriMostrati[1]);
    stato.TestoC = testoConSpazio(numeriMostrati[2]);
    stato.SpazioA = spazioPer(stato.TestoA);
    stato.SpazioB = spazioPer(stato.TestoB);
    stato.SpazioC = spazioPer(stato.TestoC);
    stato.SpazioRisultato = spazioPer(testoConSpazio(numeriMostrati[indiceRisultato]));
}

RigaOperazione EseguiSchema(StatoCondiviso& stato, int codice, int schema) {
    const auto operazione = daCodice<OperazioneEsercizio>(static_cast<qint16>(codice));
    if (!operazione || codice != numeroDi(*operazione) || schema < 1 || schema > 4) {
        return {{}, nessunaEtichetta};
    }
    const Numeri numeri = numeriDellaRiga(stato, *operazione, schema);
    const int nascosto = indiceEtichetta(schema);
    PreparaSpazi(stato, numeri);
    stato.PosizioneMancante = static_cast<qint16>(schema);
    stato.Risultato = static_cast<qint16>(numeri[static_cast<size_t>(nascosto)]);
    if (QString* riga = serie::rigaInCorso(stato)) {
        *riga = rigaStampa(stato, forme[postoDi(*operazione)], numeri, nascosto);
    }
    RigaOperazione mostrata{{}, nascosto};
    for (int i = 0; i < 4; ++i) {
        mostrata.numeri[i] = i == nascosto ? QStringLiteral("?") : QString::number(numeri[i]);
    }
    return mostrata;
}

RigaOperazione PresentaOperazione(StatoCondiviso& stato, SorgenteCasuale& casuale,
                                  const Orologio& orologio) {
    if (!daCodice<OperazioneEsercizio>(stato.Operazione)) {
        return {{}, nessunaEtichetta};
    }
    const RigaOperazione mostrata =
        EseguiSchema(stato, stato.Operazione, scegliSchema(stato.LivelloSerie, casuale));
    if (mostrata.mancante != nessunaEtichetta) {
        stato.TestoRisultato = testoConSpazio(stato.Risultato);
        stato.InizioOperazione = orologio.secondiDaMezzanotte();
    }
    return mostrata;
}
