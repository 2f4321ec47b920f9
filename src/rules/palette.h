// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The program's palette, shared by its windows.
namespace colori {
inline const QColor crema{0xFF, 0xFF, 0xC0}; // the windows' background
inline const QColor pesca{0xFF, 0xE0, 0xC0};
inline const QColor giallo{0xFF, 0xFF, 0x80};
inline const QColor arancio{0xFF, 0xC0, 0x80};
inline const QColor rosa{0xFF, 0x80, 0xFF};
inline const QColor lilla{0xFF, 0xC0, 0xFF};
inline const QColor celeste{0xC0, 0xFF, 0xFF};
inline const QColor rosso{0xFF, 0x00, 0x00};
inline const QColor rossoScuro{0xC0, 0x00, 0x00};
inline const QColor marrone{0x80, 0x40, 0x00};
inline const QColor marroneScuro{0x80, 0x00, 0x00};
inline const QColor blu{0x00, 0x00, 0xC0};
inline const QColor bluScuro{0x00, 0x00, 0x80};
inline const QColor bluChiaro{0x00, 0x00, 0xFF};
inline const QColor nero{0x00, 0x00, 0x00};

// An option button's background: with the keyboard's focus, where it shows it, and without.
inline const QColor& sfondoConFuoco = arancio;
inline const QColor& sfondoSenzaFuoco = pesca;
} // namespace colori
