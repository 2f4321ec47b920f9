// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

// A PDF read back as a reader of the paper sees it, with poppler's own tools.
namespace pdf {
struct Parola {
    QString testo;
    QRectF riquadro; // points from the page's top-left corner
};
struct Pagina {
    QSizeF dimensioni; // points
    QList<Parola> parole;
};

// The text of every page, pages parted by a form feed; read at the pitch of a fixed-pitch face
// (in points of advance per character) when given, so that every blank comes back. Empty when
// pdftotext did not finish.
QString testo(const QString& file, double passo = 0);
// Whether poppler's tools run here. They are Linux programs: a Windows test under Wine cannot
// start them, and skips what it would read with them.
bool leggibile();
// Every word of every page with its bounding box.
QList<Pagina> pagine(const QString& file);
// One page drawn at the given resolution; null when it cannot be drawn.
QImage immagine(const QString& file, int pagina, int dpi);
} // namespace pdf

#define SALTA_SENZA_POPPLER()                                                                      \
    if (!pdf::leggibile())                                                                         \
    QSKIP("pdftotext e pdftoppm sono programmi Linux: da un test per Windows non partono")
