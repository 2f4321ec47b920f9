// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/finestre.h"

#include "widgets/finestraveltrix.h"

#include <algorithm>

namespace {
int posto(Finestra quale) {
    return static_cast<int>(quale);
}
} // namespace

void Finestre::registra(Finestra quale, Fabbrica fabbrica) {
    fabbriche[posto(quale)] = std::move(fabbrica);
}

bool Finestre::registrata(Finestra quale) const {
    return static_cast<bool>(fabbriche[posto(quale)]);
}

QWidget* Finestre::istanza(Finestra quale) {
    auto& voce = istanze[posto(quale)];
    if (voce) {
        return voce;
    }
    const auto& fabbrica = fabbriche[posto(quale)];
    if (!fabbrica) {
        return nullptr;
    }
    QWidget* finestra = fabbrica();
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    voce = finestra;
    ordineCaricamento.push_back(quale);
    // Only this instance is forgotten: an instance unloaded a moment ago may be deleted after
    // its window was opened again, and the new instance must stay known.
    const auto dimenticaQuesta = [this, quale, finestra] {
        if (istanze[posto(quale)].isNull() || istanze[posto(quale)] == finestra) {
            dimentica(quale);
        }
    };
    if (auto* f = qobject_cast<FinestraVeltrix*>(finestra)) {
        connect(f, &FinestraVeltrix::scaricata, this, dimenticaQuesta);
    }
    connect(finestra, &QObject::destroyed, this, dimenticaQuesta);
    return finestra;
}

QWidget* Finestre::apri(Finestra quale) {
    QWidget* finestra = istanza(quale);
    if (!finestra) {
        return nullptr;
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}

void Finestre::chiudi(Finestra quale) {
    if (QPointer<QWidget> finestra = istanze[posto(quale)]) {
        dimentica(quale);
        finestra->close();
    }
}

bool Finestre::caricata(Finestra quale) const {
    return !istanze[posto(quale)].isNull();
}

void Finestre::CloseAllWindows() {
    for (int i = 0; i < numeroFinestre; ++i) {
        chiudi(static_cast<Finestra>(i));
    }
}

void Finestre::chiudiAperte() {
    for (Finestra quale : caricateInOrdine()) {
        chiudi(quale);
    }
}

std::vector<Finestra> Finestre::caricateInOrdine() const {
    return ordineCaricamento;
}

void Finestre::dimentica(Finestra quale) {
    istanze[posto(quale)].clear();
    std::erase(ordineCaricamento, quale);
}
