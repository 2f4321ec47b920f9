// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPicture>
#include <QPointF>
#include <QSize>
#include <QString>

#include <vector>

// A drawing made of lines of text on a coloured ground, as a picture box keeps it. It is kept
// as text rather than pixels so that the printer can draw it again at its own resolution.
struct Immagine {
    struct Testo {
        QString testo;
        QFont font;
        QColor colore;
        QPointF posizione; // top-left corner of the line, in pixels of the picture
    };

    QSize dimensioni; // pixels
    double dpi = 96;  // of the screen the picture was drawn for
    QColor sfondo = Qt::white;
    std::vector<Testo> testi;
    // Lines and shapes in the picture's pixels, drawn over the ground and under the texts: a
    // chart is printed from its own vector drawing, sharp at any resolution.
    QPicture disegno;
};
