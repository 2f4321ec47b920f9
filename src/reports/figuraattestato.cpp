// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/figuraattestato.h"

#include "rules/palette.h"
#include "widgets/colori.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
// The scale the whole interface is drawn at, read as Qt read it when the program started
// (QT_SCALE_FACTOR, which the program sets from --scala or the screen): a positive number, else 1.
double scalaInterfaccia() {
    bool letta = false;
    const double scala = qgetenv("QT_SCALE_FACTOR").toDouble(&letta);
    return letta && scala > 0 ? scala : 1;
}
} // namespace

FiguraAttestato::FiguraAttestato(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    impostaSfondo(this, colori::celeste);
    impagina();
}

void FiguraAttestato::impostaRighe(std::vector<RigaAttestato> righe) {
    tutte = std::move(righe);
    disegnate = 0;
    impagina();
    update();
}

bool FiguraAttestato::disegnaProssima() {
    if (completa()) {
        return false;
    }
    ++disegnate;
    impagina();
    update();
    return true;
}

void FiguraAttestato::disegnaTutte() {
    if (!completa()) {
        disegnate = tutte.size();
        impagina();
        update();
    }
}

void FiguraAttestato::impagina() {
    corrente = impaginaAttestato(tutte, disegnate, contentsRect().size(), *this, colori::celeste);
    // A screen reader cannot read a drawing: it reads the lines drawn so far.
    QStringList scritte;
    for (const Immagine::Testo& t : corrente.testi) {
        if (!t.testo.trimmed().isEmpty()) {
            scritte << t.testo.trimmed();
        }
    }
    setAccessibleDescription(scritte.join(QStringLiteral(", ")));
}

void FiguraAttestato::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    impagina();
}

void FiguraAttestato::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter pittore(this);
    pittore.setClipRect(contentsRect());
    pittore.translate(contentsRect().topLeft());
    for (const Immagine::Testo& t : corrente.testi) {
        pittore.setFont(t.font);
        pittore.setPen(t.colore);
        const QFontMetricsF metriche(t.font, this);
        pittore.drawText(QPointF(t.posizione.x(), t.posizione.y() + metriche.ascent()), t.testo);
    }
}

QSizeF FiguraAttestato::grandezzaAScalaUno() const {
    const double twipPerPixel = 1440.0 / logicalDpiX() * scalaInterfaccia();
    return QSizeF(contentsRect().size()) * twipPerPixel;
}

Immagine FiguraAttestato::immagineInStampa(const QSizeF& twip) const {
    return impaginaPerStampa(tutte, twip, *this, colori::celeste);
}
