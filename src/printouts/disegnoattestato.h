// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/immagine.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstddef>
#include <vector>

struct StatoCondiviso;
class QPaintDevice;

// One line of the certificate: its text, empty for a line left blank, and how it is drawn.
struct RigaAttestato {
    QString testo;
    QFont font;
    QColor colore;
};

// The name as the certificate writes it: its first letter in upper case, the rest in lower case.
// Letters are mapped one for one, so the name keeps its length.
QString nomeConIniziale(const QString& nome);

// The certificate's lines from the top, as the shared state has them now. The first blank lines
// are in the picture's own font and colour.
std::vector<RigaAttestato> righeAttestato(const StatoCondiviso& stato, const QString& data,
                                          const QColor& coloreIniziale);

// The first `quante` lines laid out in a picture of the given inner size: each one centred, each
// one line of its font below the one above. When the whole certificate would not fit the height,
// every line is made smaller alike; a line too wide for the picture is made smaller on its own.
Immagine impaginaAttestato(const std::vector<RigaAttestato>& righe, std::size_t quante,
                           QSize interno, const QPaintDevice& schermo, const QColor& sfondo);

// Where the certificate goes on the printed page, in twips from the corner of the area the
// printer can print on: at the picture's own size, 100 twips from the top and centred across;
// made smaller alike in both directions only as much as it takes to fit the area.
QRectF posizioneStampaAttestato(const QSizeF& figura, const QSizeF& area);
