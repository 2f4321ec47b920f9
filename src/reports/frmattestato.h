// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

class AreaProporzionale;
class FiguraAttestato;
class PannelloScelte;
class QLabel;
class QTimer;

// The certificate: the series graded, the diploma drawn line by line, then printed, left, or the
// session ended. Everything is worked out once, when the window is loaded.
class FrmAttestato : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmAttestato(Contesto& contesto);

    void ControllaOperazioni();
    void CorreggiNome();
    void CalcolaValutazione();
    void StampaAttestato();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void creaImmagine();
    void creaMessaggio();
    void creaScelte();

    void preparaDisegno();
    void disegnaRiga();
    void scelta(int indice);

    Contesto& contesto;
    StatoCondiviso& stato;

    AreaProporzionale* area = nullptr;
    FiguraAttestato* figura = nullptr;
    QLabel* lblMessaggio = nullptr;
    PannelloScelte* scelte = nullptr;
    QTimer* tmrDisegno = nullptr;
};
