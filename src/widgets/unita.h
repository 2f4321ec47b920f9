// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Positions and sizes are designed in twips (1440 to the inch); the screen's logical resolution
// turns them into pixels, 15 twips a pixel at 96 dpi.
double pixelPerTwip(const QWidget* w);
int twipInPixel(double twip, const QWidget* w);
double pixelInTwip(int pixel, const QWidget* w);
void posizionaTwip(QWidget* w, double sinistra, double alto, double larghezza, double altezza);
