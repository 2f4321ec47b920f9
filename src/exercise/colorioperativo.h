#pragma once

#include <QColor>

// The exercise window's palette.
namespace coloriOperativo {
inline const QColor sfondoFinestra{0xFF, 0xFF, 0xC0};
inline const QColor pesca{0xFF, 0xE0, 0xC0};
inline const QColor arancio{0xFF, 0xC0, 0x80};
inline const QColor rosso{0xFF, 0x00, 0x00};
inline const QColor bluNumeri{0x00, 0x00, 0xC0};
inline const QColor marroneMancante{0x80, 0x40, 0x00};
inline const QColor bluDidascalie{0x00, 0x00, 0x80};
inline const QColor bluValori{0x00, 0x00, 0xFF};
inline const QColor nero{0x00, 0x00, 0x00};
} // namespace coloriOperativo
