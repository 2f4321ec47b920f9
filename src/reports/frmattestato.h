#pragma once

#include "state/contesto.h"
#include "state/finestraveltrix.h"

class FrmAttestato : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmAttestato(Contesto& contesto);

private:
    Contesto& contesto;
};
