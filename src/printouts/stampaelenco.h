// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct StatoCondiviso;
class Stampante;
class Messaggi;
class Orologio;

// The printed list of the operations done: a header with the pupil's name and the date, the
// record lines under "Esercizio n.1", "n.2" and "n.3", and the total time of each exercise.

namespace elenco {

// Record lines start at this height; a list too long for one page goes on at it on a new page.
inline constexpr double inizioElenco = 2000;
// A line that would start lower than this goes to a new page, clear of the time lines.
inline constexpr double fondoElenco = 12800;

// Prints lines 1 to ContaOperazioni of RigheStampa as one job. Without a Courier face it says
// so and prints nothing; false then.
bool StampaElenco(StatoCondiviso& stato, Stampante& stampante, Messaggi& messaggi,
                  const Orologio& orologio);
void StampaIntestazioneElenco(const StatoCondiviso& stato, Stampante& stampante,
                              const Orologio& orologio);

} // namespace elenco
