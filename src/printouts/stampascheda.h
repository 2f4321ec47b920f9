// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worksheet has sixty lines, on screen and on paper.
inline constexpr int righePerScheda = 60;

struct StatoCondiviso;
class Stampante;
class Messaggi;

// The worksheet last shown, on one page: a line for the pupil's name and the objective, the 60
// lines in two columns of three blocks of ten, the objective again at the foot. TipoStampa 1
// prints the pupils' size, 2 the teachers' smaller one.
void StampaScheda(StatoCondiviso& stato, Stampante& stampante, Messaggi& messaggi);
void StampaIntestazione(const StatoCondiviso& stato, Stampante& stampante);
