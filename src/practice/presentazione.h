// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

struct StatoCondiviso;
class SorgenteCasuale;
class Orologio;

// Showing an operation with one element hidden: what the four number labels say, which one holds
// "?", the expected answer and the operation's line of the exercise record.
//
// Layout k hides element k, numbered like PosizioneMancante: 1 the result, 2 the first term, 3 the
// second, 4 the third.

struct RigaOperazione {
    // Captions of LblNumero1, LblNumero2, lblNumero3, lblRisultato1.
    std::array<QString, 4> numeri;
    // Index in numeri of the label holding "?"; -1 when nothing was shown.
    int mancante;
};

// Index in RigaOperazione::numeri of the label for a PosizioneMancante (1 to 4).
int indiceEtichetta(int posizioneMancante);

// Texts and pads of the three terms and of the shown result, from which the record line is built:
// the first term, second term, third term and result as the row shows them.
void PreparaSpazi(StatoCondiviso& stato, const std::array<int, 4>& numeriMostrati);

// Runs one layout (1 to 4) of operation 1, 2 or 3 on TermineA, TermineB, TermineC: sets
// PosizioneMancante, Risultato and the record line at ContaOperazioni (only when that is 1 to 90).
// Any other operation or layout changes nothing and returns mancante -1.
RigaOperazione EseguiSchema(StatoCondiviso& stato, int operazione, int schema);

// Chooses the layout for the series' level (level 1 the result; level 2 one of the terms; levels 3
// and 4 any element), runs it for Operazione, then sets TestoRisultato and starts the operation's
// clock. The source is not reseeded: the generator of the same operation has just done it.
RigaOperazione PresentaOperazione(StatoCondiviso& stato, SorgenteCasuale& casuale,
                                  const Orologio& orologio);
