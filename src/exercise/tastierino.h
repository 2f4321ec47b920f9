// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/pannelloscelte.h"

// The keypad of the exercise window: the ten digits, "Cancella", "Verifica", "Avanti" and
// "Esco". The choice it tells is the button's index: a digit's index is the digit itself.
class Tastierino : public PannelloScelte {
    Q_OBJECT
public:
    static constexpr int cancella = 10;
    static constexpr int verifica = 11;
    static constexpr int avanti = 12;
    static constexpr int esco = 13;
    static constexpr int numeroTasti = 14;
    // A button's control name, "Option2(12)" for "Avanti".
    static QString nomeTasto(int indice);

    explicit Tastierino(QWidget* genitore);

    // Entry: digits, "Cancella" and "Verifica" on, the focus on "1", "Avanti" and "Esco" off.
    // Where the focus cannot move yet (not on screen), "Avanti" and "Esco" stay as they were.
    void prepara();
    // After the answer: only "Avanti" and "Esco" on, the focus on "Avanti".
    void blocca();
    // Nothing to answer: only "Esco" on, with the focus.
    void soloEsco();
};
