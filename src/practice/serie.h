// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct StatoCondiviso;

// The life of a series in the exercise window: counters, judging, times and the exercise record.

namespace serie {

// RigheStampa holds lines 1 to 90, so a series holds at most 90 operations.
inline constexpr int operazioniMassime = 90;

// Line ContaOperazioni of the record, or nullptr when ContaOperazioni is outside 1..90: nothing
// may ever be written past the end of the record.
QString* rigaInCorso(StatoCondiviso& stato);

// Takes the level in force for the whole series, resets the counters and the refusals of help,
// empties record lines 1 to 20 and starts the series' one exercise. The window then shows the
// first operation (avanzaOperazione).
void iniziaSerie(StatoCondiviso& stato);
void iniziaEsercizio(StatoCondiviso& stato);

// Counts the next operation. Refuses, changing nothing, once the record is full: the window stops
// the pupil there.
bool avanzaOperazione(StatoCondiviso& stato);
bool serieCompleta(const StatoCondiviso& stato);

// Judges Risposta against TestoRisultato, counts it and appends the answer with its mark to the
// operation's record line. Returns whether it is right. The window then calls AggiornaTempi.
bool VerificaRisposta(StatoCondiviso& stato);

struct TempiMostrati {
    QString parziale;
    QString totale;
};

// Stops the operation's clock at `ora`, adds the operation's time to the exercise's and returns
// what the two time labels show.
TempiMostrati AggiornaTempi(StatoCondiviso& stato, float ora);

} // namespace serie
