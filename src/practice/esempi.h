// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

class SorgenteCasuale;
class Orologio;

// Examples for the teacher, drawn by the very generators the exercises and the worksheets use,
// so they can never show something the program would not.

// One operation of each level (1 to 4) of the exercise window for an operation code, as the
// window shows it ("9 + 8 + 16 = ?") with its answer. None for a code the exercise window does
// not have.
struct EsempioEsercizio {
    int livello;
    QString riga;
    QString risposta;
};
std::vector<EsempioEsercizio> esempiEsercizi(qint16 operazione, SorgenteCasuale& casuale,
                                             const Orologio& orologio);

// One worksheet line of each type of each operation a worksheet code mixes: the pupils' line
// and the teachers' one.
struct EsempioScheda {
    QString operazione;
    int tipo;
    QString alunni;
    QString docenti;
};
std::vector<EsempioScheda> esempiSchede(qint16 operazione, qint16 livello, SorgenteCasuale& casuale,
                                        const Orologio& orologio);
