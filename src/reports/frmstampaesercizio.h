#pragma once

#include "state/contesto.h"
#include "state/finestraveltrix.h"

class FrmStampaEsercizio : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmStampaEsercizio(Contesto& contesto);

private:
    Contesto& contesto;
};
