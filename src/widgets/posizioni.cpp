// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/posizioni.h"

#include "widgets/linea.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

#include <cmath>

namespace {
bool eControllo(const QWidget* w) {
    const QString nome = w->objectName();
    return !nome.isEmpty() && !nome.startsWith(QLatin1String("qt_"));
}

int arrotonda(double x) {
    return static_cast<int>(std::lround(x));
}
} // namespace

bool Posizioni::escluso(const QWidget* controllo) {
    return qobject_cast<const QMenuBar*>(controllo) || qobject_cast<const QMenu*>(controllo) ||
           qobject_cast<const QComboBox*>(controllo) || qobject_cast<const Linea*>(controllo);
}

Posizioni::Voce Posizioni::misura(QWidget* controllo) const {
    const QRect g = controllo->geometry();
    Voce v;
    v.controllo = controllo;
    if (base.width() > 0 && base.height() > 0) {
        v.larghezza = static_cast<float>(g.width() / base.width());
        v.altezza = static_cast<float>(g.height() / base.height());
        v.alto = static_cast<float>(g.y() / base.height());
        v.sinistra = static_cast<float>(g.x() / base.width());
    }
    return v;
}

void Posizioni::registra(QWidget* area) {
    base = area->size();
    elenco.clear();
    const auto figli = area->findChildren<QWidget*>();
    for (QWidget* figlio : figli) {
        if (eControllo(figlio)) {
            elenco.push_back(misura(figlio));
        }
    }
}

void Posizioni::aggiorna(QWidget* controllo) {
    for (Voce& v : elenco) {
        if (v.controllo == controllo) {
            v = misura(controllo);
        }
    }
}

void Posizioni::applica(const QSize& interno) const {
    for (const Voce& v : elenco) {
        if (!v.controllo || escluso(v.controllo)) {
            continue;
        }
        v.controllo->setGeometry(arrotonda(interno.width() * double(v.sinistra)),
                                 arrotonda(interno.height() * double(v.alto)),
                                 arrotonda(interno.width() * double(v.larghezza)),
                                 arrotonda(interno.height() * double(v.altezza)));
    }
}
