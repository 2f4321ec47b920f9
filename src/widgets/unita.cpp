// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/unita.h"

#include <QWidget>

#include <cmath>

namespace {
constexpr double twipPerPollice = 1440.0;
}

double pixelPerTwip(const QWidget* w) {
    return w->logicalDpiX() / twipPerPollice;
}

int twipInPixel(double twip, const QWidget* w) {
    return static_cast<int>(std::lround(twip * pixelPerTwip(w)));
}

double pixelInTwip(int pixel, const QWidget* w) {
    return pixel / pixelPerTwip(w);
}

void posizionaTwip(QWidget* w, double sinistra, double alto, double larghezza, double altezza) {
    w->setGeometry(twipInPixel(sinistra, w), twipInPixel(alto, w), twipInPixel(larghezza, w),
                   twipInPixel(altezza, w));
}
