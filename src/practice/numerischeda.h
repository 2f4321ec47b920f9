// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct StatoCondiviso;
class SorgenteCasuale;
class Orologio;

// The numbers of a worksheet line. Both draws reseed the source from the clock first, and a
// Livello outside 1 to 4 (no level chosen yet) draws nothing: the numbers stay as they were.

// The addition draw, also used by subtraction: TermineA, TermineB and TermineC drawn again and
// again until their sum lies in the level's window (up to 30; 30-60; 60-90; up to 90).
void GeneraTermini(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);

// The multiplication draw, also used by division: factors TermineA and TermineB of at least 2
// whose product lies in the same windows, then an offset Scarto with 1 <= Scarto < min(a, b).
// The offset keeps every comparison strict and every number compared at 1 or more.
void GeneraFattori(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);

// True when TermineA, TermineB and Scarto are what GeneraFattori gives: a multiplication or
// division line built from them is true, divides by no zero and shows no number below 1.
bool FattoriAdatti(const StatoCondiviso& stato);

// The pads of TermineA, TermineB, TermineC, Risultato and NumeroConfronto: one blank before a
// number below 10, so one- and two-digit numbers line up in the fixed-pitch print.
void CalcolaSpazi(StatoCondiviso& stato);
