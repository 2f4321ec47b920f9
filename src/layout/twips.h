#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

// Positions and sizes are designed in twips (1440 to the inch); the screen's logical resolution
// turns them into pixels, 15 twips a pixel at 96 dpi.
double pixelPerTwip(const QWidget* w);
int twipInPixel(double twip, const QWidget* w);
double pixelInTwip(int pixel, const QWidget* w);
void posizionaTwip(QWidget* w, double sinistra, double alto, double larghezza, double altezza);

// Colours as the windows use them: background and text. The disabled text keeps the style's
// grey, so a disabled frame still looks disabled.
void impostaColori(QWidget* w, const QColor& sfondo, const QColor& testo);
void impostaSfondo(QWidget* w, const QColor& sfondo);
void impostaTesto(QWidget* w, const QColor& testo);
QColor coloreSfondo(const QWidget* w);
QColor coloreTesto(const QWidget* w);

// Shrinks a one-line label's font, never grows it, until its text fits the label's width.
void adattaAllaLarghezza(QLabel* etichetta);

QFont carattere(const QString& famiglia, double punti, bool grassetto = true);
