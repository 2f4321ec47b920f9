// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

struct StatoCondiviso;
class SorgenteCasuale;
class Orologio;

// Building worksheet lines. Each call writes entry IndiceRiga of RigheAlunni (the line with its
// hidden element) and of RigheDocenti (the same line, seven blanks and the answer in brackets).
// A line type outside the operation's table, an Operazione outside 1 to 7 or numbers that make
// no true line leave both entries empty; an IndiceRiga outside the tables writes nothing.

// One line of the sheet's Operazione: 1 additions, 2 subtractions, 4 multiplications,
// 5 divisions; 3, 6 and 7 draw for each line one of additions and subtractions, multiplications
// and divisions, or all four.
void GeneraRiga(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);

// One line of one operation, of a TipoRiga drawn between TipoMin and TipoMax: 1 to 4 for
// additions and subtractions, 1 to 12 for multiplications and divisions (7 to 12 hide the sign
// of a comparison, left in SegnoRisposta).
void Add(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);
void Sot(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);
void Mol(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);
void Div(StatoCondiviso& stato, SorgenteCasuale& casuale, const Orologio& orologio);

// The four operations of the sheets, with their generator and how many line types each has.
struct OperazioneScheda {
    const char* nome;
    void (*genera)(StatoCondiviso&, SorgenteCasuale&, const Orologio&);
    int tipi;
};
const std::array<OperazioneScheda, 4>& operazioniScheda();
// The operations a sheet's code mixes; none for a code outside 1 to 7.
std::vector<OperazioneScheda> operazioniDellaScheda(qint16 operazione);

// Why a sheet of this code and objective (types TipoMin to TipoMax) has empty lines, in the
// teacher's words: a code without sheets, no objective, or operations that have none of the
// types the objective asks for. Empty when every line can be built.
QString motivoRigheMancanti(qint16 operazione, qint16 tipoMin, qint16 tipoMax);
