// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/areaproporzionale.h"

#include "widgets/adattatesto.h"
#include "widgets/unita.h"

#include <QMouseEvent>

AreaProporzionale::AreaProporzionale(double larghezzaTwip, double altezzaTwip, QWidget* parent)
    : QWidget(parent) {
    resize(twipInPixel(larghezzaTwip, this), twipInPixel(altezzaTwip, this));
}

void AreaProporzionale::registraPosizioni() {
    tabella.registra(this);
    // The controls move and stretch with the window but keep their fonts: each text is fitted
    // to the room its control has whenever it is painted.
    auto* adatta = new AdattaTesti(this);
    for (const Posizioni::Voce& v : tabella.voci()) {
        adatta->segui(v.controllo);
    }
}

void AreaProporzionale::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    tabella.applica(size());
    emit ridimensionata();
    // Also the controls of a panel not on screen yet: they fit already when it comes forward.
    for (const Posizioni::Voce& v : tabella.voci()) {
        if (v.controllo) {
            adattaTesto(v.controllo);
        }
    }
}

// Only a press on the bare background counts: a press that a control let through is not one.
void AreaProporzionale::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (!childAt(e->position().toPoint())) {
        emit cliccata();
    }
}
