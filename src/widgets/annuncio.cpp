// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/annuncio.h"

#include <QAccessible>
#include <QEvent>

Annuncio::Annuncio(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
}

void Annuncio::annuncia(const QString& testo) {
    ultimo = testo;
    inAttesa = !isActiveWindow();
    if (!inAttesa) {
        dillo();
    }
}

// A notification is spoken when it starts showing; it stays shown, so each message says so
// again, after its new name.
void Annuncio::dillo() {
    QAccessibleEvent nome(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nome);
    if (isVisible()) {
        QAccessibleEvent mostrato(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&mostrato);
    }
}

// The window hands its activation on to every control in it.
bool Annuncio::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && inAttesa) {
        inAttesa = false;
        dillo();
    }
    return QWidget::event(e);
}
