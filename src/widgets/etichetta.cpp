// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/etichetta.h"

#include <QMouseEvent>

void Etichetta::mousePressEvent(QMouseEvent* e) {
    premuta = e->button() == Qt::LeftButton;
    e->accept();
}

// A click is a press and a release on the same label, as with any button.
void Etichetta::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic = premuta && e->button() == Qt::LeftButton && rect().contains(e->pos());
    premuta = false;
    e->accept();
    if (clic) {
        emit cliccata();
    }
}
