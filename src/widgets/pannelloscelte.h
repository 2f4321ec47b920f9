// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/controlli.h"
#include "widgets/gruppotasti.h"

#include <QFrame>

#include <vector>

class PulsanteOpzione;

// A panel of option buttons drawn as push buttons, on which the pupil makes a choice: its frame,
// its buttons, the keys that act on them, and the choice, told by the button's place in the
// panel whether it came from the mouse or from a key.
class PannelloScelte : public QFrame {
    Q_OBJECT
public:
    // A button: its control name, its caption and its place in the panel, in twips.
    struct Pulsante {
        QString nome;
        QString testo;
        double sinistra, alto, larghezza, altezza;
    };

    PannelloScelte(QWidget* genitore, const QString& nome, const QColor& sfondo);
    // A panel that draws nothing of its own, for a row inside a frame that has its caption: it
    // covers the frame, and its buttons stand where they would in the frame itself.
    PannelloScelte(QWidget* cornice, const QString& nome);

    // The buttons in the order of their places, in one font and colour, and their keys. They
    // come after whatever else the panel shows, so the focus reaches them after it.
    void creaPulsanti(const std::vector<Pulsante>& descrizioni, const QFont& font,
                      const QColor& colore, RegoleTasti regole = {},
                      ColoriFuoco coloriFuoco = ColoriFuoco::si);
    PulsanteOpzione* pulsante(int posto) const { return pulsanti.at(static_cast<size_t>(posto)); }
    int numeroPulsanti() const { return static_cast<int>(pulsanti.size()); }
    // False where the button cannot take the focus: off, or not on screen yet.
    bool daiFuoco(int posto);
    // Panels that take each other's place share the hold of a key held down: a key pressed on
    // one acts once, also when its repeats come to the panel that replaced it.
    void condividiTenuta(const PannelloScelte& altro);

signals:
    void scelto(int posto);

private:
    std::vector<PulsanteOpzione*> pulsanti;
    GruppoTasti* tasti = nullptr;
};
