// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
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
    // Lines and shapes drawn over the ground and under the texts, into the given rectangle of the
    // painter's device: a chart is printed from its own vector drawing, sharp at any resolution.
    std::function<void(QPainter&, const QRectF&)> disegno;
};
