#pragma once

#include "state/contesto.h"
#include "state/finestraveltrix.h"

class FrmOperativo : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmOperativo(Contesto& contesto);

private:
    Contesto& contesto;
};
