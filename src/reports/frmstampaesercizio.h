// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

#include <array>

class AreaProporzionale;
class PannelloScelte;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The list of the operations done in the series: the pupil reads it, writes a name, prints it
// and goes on to the certificate.
class FrmStampaEsercizio : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmStampaEsercizio(Contesto& contesto);

    void EseguiScelta(int indice);
    void StampaElenco();

private:
    void creaElenco();
    void creaScelte();
    void creaNome();
    void mostraNome();
    void confermaNome();

    Contesto& contesto;
    StatoCondiviso& stato;

    AreaProporzionale* area = nullptr;
    QLabel* lblTitolo = nullptr;
    std::array<QLabel*, 31> LblOp{}; // 1 to 30, as the record lines
    PannelloScelte* scelte = nullptr;
    QFrame* fraNome = nullptr;
    QLineEdit* txtNome = nullptr;
    QPushButton* cmdAvanti = nullptr;
};
