// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/immagine.h"
#include "register/riepilogo.h"

#include <QSize>
#include <QString>

class QChart;

// A pupil's progress over time: the share of right answers (left axis, 0 to 100) and the seconds
// an operation took (right axis), one point per series. Both lines rising and falling apart is
// what a teacher looks for: right more often, and quicker.
QChart* creaGrafico(const Andamento& andamento);
// The same chart as a vector drawing for paper.
Immagine immagineGrafico(const Andamento& andamento, QSize pixel);
// What the chart shows, in words: for a screen reader, and for whoever cannot read a chart.
QString descrizioneGrafico(const Andamento& andamento);
