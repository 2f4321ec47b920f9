// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

// Keeps every control of a window in proportion to the window's inner area: each control's
// place is recorded once, as fractions of the inner size, and put back at every resize. Fonts
// keep their size. Menus, combo boxes and lines keep their own geometry.
class Posizioni {
public:
    struct Voce {
        QPointer<QWidget> controllo;
        float larghezza = 0, altezza = 0, alto = 0, sinistra = 0;
    };

    // The controls are the named widgets inside the area, in the order Qt enumerates them.
    void registra(QWidget* area);
    void applica(const QSize& interno) const;
    // Records one control again, for a control that the window moves on purpose.
    void aggiorna(QWidget* controllo);
    const std::vector<Voce>& voci() const { return elenco; }

private:
    static bool escluso(const QWidget* controllo);
    Voce misura(QWidget* controllo) const;

    std::vector<Voce> elenco;
    QSizeF base;
};
