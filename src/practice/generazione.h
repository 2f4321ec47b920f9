// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct StatoCondiviso;
class SorgenteCasuale;
class Orologio;

// A draw in a range: floor(r x span) + base, with r from the source in single precision.
int estraiNumero(SorgenteCasuale& casuale, int span, int base);

// Drawing the three numbers of an operation for the exercise window.
//
// Each generator reseeds the source from the clock, then draws TermineA, TermineB and TermineC
// again and again until their sum (their product for multiplication) falls within the bounds of
// the operation and the series' level (LivelloSerie). Level 4 has no bounds of its own: one draw
// picks the bounds of level 1, 2 or 3. Each returns the sign to show between the numbers.

QString GeneraAdd(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);
QString GeneraSot(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);
QString GeneraMol(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);

// Runs the generator of stato.Operazione (1 addition, 2 subtraction, 3 multiplication) and
// returns its sign. Any other code (the settings file can hold one) draws nothing, leaves the
// numbers as they are and returns an empty text.
QString GeneraOperazioneTermini(StatoCondiviso& stato, SorgenteCasuale& casuale,
                                const Orologio& orologio);
