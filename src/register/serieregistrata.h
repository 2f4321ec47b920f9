// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

// What the register keeps of a series: the choices it was drawn with, its counts and grade, and
// each operation judged, with every answer given. Names and results only: nothing else about a
// pupil is ever kept.

struct RispostaRegistrata {
    QString testo;
    bool esatta = false;
};

struct OperazioneRegistrata {
    int numero = 0;
    // The operation's line of the list, as it would be printed.
    QString riga;
    qint16 termineA = 0, termineB = 0, termineC = 0, risultato = 0;
    QString segno;
    // Which element was hidden, as the exercise window counts them (1 to 4).
    qint16 mancante = 0;
    QList<RispostaRegistrata> risposte;
    int aiutiRifiutati = 0;
    bool aiutoAccettato = false;
    bool intervento = false;
    qint32 tempo = 0;
};

struct SerieRegistrata {
    // A UUID made when the series starts: a series sent twice to a shared register is kept once.
    QString id;
    // Empty for a guest, or where the register has no class: then only the name typed, if any.
    QString alunno;
    QString nomeAlunno;
    QString programma;
    qint16 operazione = 0;
    QString obiettivo;
    qint16 tipoMin = 0, tipoMax = 0;
    qint16 livello = 0;
    QString descrizioneLivello;
    qint16 numeroMin = 0, numeroMax = 0;
    QDateTime inizio, fine;
    int operazioni = 0, esatte = 0, errate = 0;
    qint32 tempoTotale = 0;
    QString valutazione;
    // Operations whose help was accepted: counted as they happen, or by the register when read,
    // also where the operations themselves are not read.
    int aiutiAccettati = 0;
    QMap<int, OperazioneRegistrata> operazioniGiudicate;
};

struct AlunnoRegistro {
    QString id;
    QString nome;
};

struct ClasseRegistro {
    QString id;
    QString nome;
    QList<AlunnoRegistro> alunni;
};
