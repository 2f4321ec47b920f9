// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct Contesto;

// Examples of what the program asks, for the operation code in force: an exercise of each level
// and a worksheet line of each kind.
class FinestraEsempi : public QDialog {
    Q_OBJECT
public:
    FinestraEsempi(Contesto& contesto, QWidget* parent);
};
