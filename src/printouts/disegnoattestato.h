// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/immagine.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSize>
#include <QSizeF>
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

// The picture box of the certificate on the designed screen, in twips.
inline constexpr QSizeF figuraProgettata{3750, 5205};

// The name as the certificate writes it: each word begins with a capital, the rest as typed, so
// "anna dell'acqua" becomes "Anna Dell'acqua" and "D'Amico" or "NICCOLÒ" stay as they are.
// Letters are mapped one for one, so the name keeps its length.
QString nomeConIniziale(const QString& nome);

// The certificate's lines from the top, as the shared state has them now. The first blank lines
// are in the picture's own font and colour.
std::vector<RigaAttestato> righeAttestato(const StatoCondiviso& stato, const QString& data,
                                          const QColor& coloreIniziale);

// The first `quante` lines laid out in a picture of the given inner size: each one centred, each
// one line of its font below the one above, every font first made `proporzione` times its size.
// When the whole certificate would not fit the height, every line is made smaller alike; a line
// too wide for the picture is made smaller on its own.
Immagine impaginaAttestato(const std::vector<RigaAttestato>& righe, std::size_t quante,
                           QSize interno, const QPaintDevice& schermo, const QColor& sfondo,
                           double proporzione = 1);

// Every line laid out for a printed box of the given size in twips, as it would be drawn in a
// picture of that size on the designed screen: the fonts in proportion to the box, so that a
// large box is not a few small lines at its top. Measured on `schermo`, whose resolution the
// picture keeps.
Immagine impaginaPerStampa(const std::vector<RigaAttestato>& righe, const QSizeF& twip,
                           const QPaintDevice& schermo, const QColor& sfondo);

// Where the certificate goes on the printed page, in twips from the corner of the area the
// printer can print on: at the picture's own size, 100 twips from the top and centred across;
// made smaller alike in both directions only as much as it takes to fit the area.
QRectF posizioneStampaAttestato(const QSizeF& figura, const QSizeF& area);
