#pragma once

#include "state/contesto.h"
#include "state/finestraveltrix.h"

class FrmStampaSchede : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmStampaSchede(Contesto& contesto);

private:
    Contesto& contesto;
};
