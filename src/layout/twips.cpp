#include "layout/twips.h"

#include "layout/famiglie.h"

#include <QFontMetricsF>
#include <QLabel>
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

void impostaSfondo(QWidget* w, const QColor& sfondo) {
    QPalette p = w->palette();
    for (auto ruolo : {QPalette::Window, QPalette::Button, QPalette::Base}) {
        p.setColor(ruolo, sfondo);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void impostaTesto(QWidget* w, const QColor& testo) {
    QPalette p = w->palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive}) {
        for (auto ruolo : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            p.setColor(gruppo, ruolo, testo);
        }
    }
    w->setPalette(p);
}

void impostaColori(QWidget* w, const QColor& sfondo, const QColor& testo) {
    impostaSfondo(w, sfondo);
    impostaTesto(w, testo);
}

QColor coloreSfondo(const QWidget* w) {
    return w->palette().color(QPalette::Active, w->backgroundRole());
}

QColor coloreTesto(const QWidget* w) {
    return w->palette().color(QPalette::Active, w->foregroundRole());
}

QFont carattere(const QString& famiglia, double punti, bool grassetto) {
    QFont f(famigliaDisponibile(famiglia));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

void adattaAllaLarghezza(QLabel* etichetta) {
    constexpr double passo = 0.25;
    constexpr double minimo = 6;
    QFont font = etichetta->font();
    const QString testo = etichetta->text();
    const double disponibile = etichetta->width() - 2 * etichetta->margin();
    const auto larghezza = [&] { return QFontMetricsF(font).horizontalAdvance(testo); };
    double punti = font.pointSizeF();
    const auto scendiFinche = [&](const auto& troppoLarga) {
        while (punti > minimo && troppoLarga()) {
            punti -= passo;
        }
    };
    // Every size measured costs a font that fontconfig prepares before the window is painted,
    // so the sizes are not walked down one by one. Qt sets text at whole pixel sizes (from the
    // widget's resolution), and a line's width grows in proportion to the pixel size, within a
    // pixel: the first measurement predicts the size, and a second one, at that size, checks it.
    const double dpi = etichetta->logicalDpiY();
    const auto pixel = [dpi](double p) { return std::round(p * dpi / 72); };
    const double perPixel = larghezza() / pixel(punti);
    scendiFinche([&] { return perPixel * pixel(punti) > disponibile; });
    scendiFinche([&] {
        font.setPointSizeF(punti);
        return larghezza() > disponibile;
    });
    font.setPointSizeF(punti);
    etichetta->setFont(font);
    etichetta->setWordWrap(false);
}
