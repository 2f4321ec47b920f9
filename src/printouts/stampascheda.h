// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worksheet has sixty lines, on screen and on paper.
inline constexpr int righePerScheda = 60;

struct StatoCondiviso;
class Stampante;
class Messaggi;

// The worksheet last shown, on one page: a line for the pupil's name and the objective, the 60
// lines in two columns of three blocks of ten, the objective again at the foot. TipoStampa 1
// prints the pupils' lines of that sheet at the pupils' size, with no answers whatever the screen
// showed; 2 prints the lines on screen at the teachers' smaller size.
void StampaScheda(StatoCondiviso& stato, Stampante& stampante, Messaggi& messaggi);
void StampaIntestazione(const StatoCondiviso& stato, Stampante& stampante);
