// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/caratteri.h"

#include "printouts/restringi.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
struct Sostituti {
    const char* famiglia;
    std::initializer_list<const char*> candidati;
};

// Liberation and Croscore faces are drawn to Arial's and Courier New's widths, so the designed
// texts fit their controls as they do on Windows; MS Sans Serif, a small bitmap face, is closest
// to the plain sans faces every desktop has.
const Sostituti tabella[] = {
    {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}},
    {"MS Sans Serif", {"Microsoft Sans Serif", "DejaVu Sans", "Liberation Sans", "Noto Sans"}},
    {"Courier New", {"Liberation Mono", "Cousine", "Nimbus Mono PS", "DejaVu Sans Mono"}},
};
} // namespace

QString famigliaDisponibile(const QString& famiglia) {
    static const QStringList installate = QFontDatabase::families();
    const auto installata = [](const QString& f) {
        return installate.contains(f, Qt::CaseInsensitive);
    };
    if (installata(famiglia)) {
        return famiglia;
    }
    for (const Sostituti& s : tabella) {
        if (famiglia.compare(QLatin1String(s.famiglia), Qt::CaseInsensitive) != 0) {
            continue;
        }
        for (const char* candidato : s.candidati) {
            if (installata(QLatin1String(candidato))) {
                return QLatin1String(candidato);
            }
        }
    }
    return famiglia;
}

QFont carattere(const QString& famiglia, double punti, bool grassetto) {
    QFont f(famigliaDisponibile(famiglia));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

void adattaAllaLarghezza(QLabel* etichetta) {
    QFont font = etichetta->font();
    const QString testo = etichetta->text();
    const double disponibile = etichetta->width() - 2 * etichetta->margin();
    const auto larghezza = [&](double punti) {
        font.setPointSizeF(punti);
        return QFontMetricsF(font).horizontalAdvance(testo);
    };
    const double progetto = font.pointSizeF();
    // Every size measured costs a font that fontconfig prepares before the window is painted.
    // Qt sets text at whole pixel sizes (from the widget's resolution), and a line's width grows
    // in proportion to the pixel size, within a pixel: the width at the design foresees the
    // size, and one more measurement, at that size, most often settles it.
    const double dpi = etichetta->logicalDpiY();
    const auto pixel = [dpi](double p) { return std::round(p * dpi / 72); };
    const double perPixel = larghezza(progetto) / pixel(progetto);
    double stima = progetto;
    while (stima > puntiLeggibili && perPixel * pixel(stima) > disponibile) {
        stima -= 0.25;
    }
    font.setPointSizeF(puntiCheEntrano(
        progetto, puntiLeggibili, [&](double p) { return larghezza(p) <= disponibile; }, stima));
    etichetta->setFont(font);
    etichetta->setWordWrap(false);
}
