// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/annuncio.h"

#include <QAccessible>

Annuncio::Annuncio(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
}

// A notification is spoken when it starts showing; it stays shown, so each message says so
// again, after its new name.
void Annuncio::annuncia(const QString& testo) {
    ultimo = testo;
    QAccessibleEvent nome(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nome);
    if (isVisible()) {
        QAccessibleEvent mostrato(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&mostrato);
    }
}
