// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

class QLabel;

// The windows are designed in Windows faces (Arial, MS Sans Serif) that a Linux school computer
// rarely has. Asking Qt for a face that is missing makes it sort every installed font to find a
// stand-in, once per face and style, before the first window is painted. This picks the
// stand-in directly from the installed families: the face itself when it is there, else the
// first installed face of the same metrics or look, else the name as asked, left to fontconfig.
QString famigliaDisponibile(const QString& famiglia);

// No text is made smaller than this to fit its control, in points: below it a pupil cannot
// read it. A text designed smaller keeps its designed size.
inline constexpr double puntiLeggibili = 9;

// The face asked for, or its stand-in, at a size in points; bold unless told otherwise.
QFont carattere(const QString& famiglia, double punti, bool grassetto = true);

// Shrinks a one-line label's font, never grows it, until its text fits the label's width, but
// not below puntiLeggibili.
void adattaAllaLarghezza(QLabel* etichetta);
