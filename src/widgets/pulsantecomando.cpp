// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pulsantecomando.h"

#include "widgets/pulsanteopzione.h"

PulsanteComando::PulsanteComando(const QString& testo, QWidget* parent)
    : QPushButton(testo, parent) {
    setAutoDefault(false);
}

void PulsanteComando::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    emit fuocoPreso();
}

void PulsanteComando::paintEvent(QPaintEvent*) {
    disegnaACapo(this);
}
