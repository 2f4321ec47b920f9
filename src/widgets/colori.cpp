// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/colori.h"

#include <QPalette>
#include <QWidget>

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
