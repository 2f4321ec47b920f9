// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// Everything that outlives a window. The names are the program's own vocabulary, used by every
// window alike; a window keeps nothing here that another one does not need.

// Tables counted from 1, as the program's vocabulary counts them; entry 0 is never used.
// The times of exercises 1 to 5, and the lines of a record or a worksheet, 1 to 90.
using TempiDa1a5 = std::array<QString, 6>;
using RigheDa1a90 = std::array<QString, 91>;

struct Scelte {
    QString NomeProgramma;
    qint16 Operazione = 0;
    qint16 Livello = 0;
    qint16 NumeroMin = 0;
    qint16 NumeroMax = 0;
    QString DescrizioneLivello;
    qint16 TipoMin = 0;
    qint16 TipoMax = 0;
    QString DescrizioneObiettivo;
    // The start window's summary of the objective as it shows it; the exercise window is headed
    // with it.
    QString DidascaliaObiettivo;
    QString NomeAlunno;
    QString NomeProgrammaAttestato;
};

// The operation on screen, or the worksheet line being built.
struct OperazioneCorrente {
    qint16 TermineA = 0;
    qint16 TermineB = 0;
    qint16 TermineC = 0;
    qint16 Risultato = 0;
    qint16 PosizioneMancante = 0;
    QString TestoA, TestoB, TestoC;
    QString SpazioA, SpazioB, SpazioC, SpazioRisultato;
    QString SpazioConfronto, SpazioRisposta;
    qint16 Scarto = 0;
    qint16 NumeroConfronto = 0;
    QString TestoRisultato;
    QString Risposta;
    QString MarcaRisposta;
    float InizioOperazione = 0;
    float FineOperazione = 0;
};

struct Serie {
    // The level the series started with, drawn and named by it to its end: a level chosen
    // meanwhile for a worksheet is the next series' level, not this one's.
    qint16 LivelloSerie = 0;
    QString DescrizioneLivelloSerie;
    qint16 NumeroOperazione = 0;
    qint16 ContaOperazioni = 0;
    qint16 NumeroEsercizio = 0;
    qint16 RisposteEsatte = 0;
    qint16 RisposteErrate = 0;
    qint16 TotaleEsatte = 0;
    qint16 RifiutiAiuto = 0;
    qint32 TempoParziale = 0;
    qint32 TempoTotale = 0;
    QString TestoTempoParziale;
    TempiDa1a5 TempiEsercizio;
    RigheDa1a90 RigheStampa;
    QString Valutazione;
};

struct Schede {
    RigheDa1a90 RigheAlunni;
    RigheDa1a90 RigheDocenti;
    // The worksheet on screen, the one its print buttons print. It has a table of its own: the
    // pupil's exercise record in RigheStampa must survive a teacher preparing a sheet.
    RigheDa1a90 RigheSchedaMostrata;
    // The pupils' lines of that sheet, whichever version is on screen: the pupils' copy never
    // carries the answers.
    RigheDa1a90 RigheAlunniMostrate;
    // The objective the sheet's lines are drawn for, named on the screen and the printout: the
    // start window's until the worksheet window picks one of its own. A teacher's pick must not
    // reach the pupil's certificate, which names DescrizioneObiettivo.
    QString ObiettivoScheda;
    qint16 RigheScheda = 0;
    qint16 TipoStampa = 0;
    qint16 IndiceRiga = 0;
    // The type of the last worksheet line built and the sign that answers it when it compares.
    qint16 TipoRiga = 0;
    QString SegnoRisposta;
};

struct StatoCondiviso : Scelte, OperazioneCorrente, Serie, Schede {};
