#pragma once

#include <QColor>

// The start window's palette.
namespace coloriInizio {
inline const QColor sfondoFinestra{0xFF, 0xFF, 0xC0};
inline const QColor crema{0xFF, 0xFF, 0xC0};
inline const QColor pesca{0xFF, 0xE0, 0xC0};
inline const QColor giallo{0xFF, 0xFF, 0x80};
inline const QColor arancio{0xFF, 0xC0, 0x80};
inline const QColor blu{0x00, 0x00, 0xC0};
inline const QColor rossoScuro{0xC0, 0x00, 0x00};
inline const QColor rosso{0xFF, 0x00, 0x00};
inline const QColor marrone{0x80, 0x40, 0x00};
inline const QColor rosa{0xFF, 0x80, 0xFF};
inline const QColor testoPulsante = blu;
} // namespace coloriInizio
