// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programma.h"

#include "exercise/frmoperativo.h"
#include "reports/frmattestato.h"
#include "reports/frmstampaesercizio.h"
#include "start/frminizio.h"
#ifdef VELTRIX_FINESTRA_DOCENTE
#include "teacher/finestraregistro.h"
#endif
#include "widgets/accessibile.h"
#include "worksheets/frmstampaschede.h"

namespace {
template <typename F> Finestre::Fabbrica fabbrica(Contesto& contesto) {
    return [&contesto]() -> QWidget* { return new F(contesto); };
}
} // namespace

Programma::Programma(Servizi servizi) : servizi(std::move(servizi)) {
    installaAccessibilita();
    finestre.registra(Finestra::Inizio, fabbrica<frmInizio>(contesto));
    finestre.registra(Finestra::Operativo, fabbrica<FrmOperativo>(contesto));
    finestre.registra(Finestra::StampaEsercizio, fabbrica<FrmStampaEsercizio>(contesto));
    finestre.registra(Finestra::Attestato, fabbrica<FrmAttestato>(contesto));
    finestre.registra(Finestra::StampaSchede, fabbrica<FrmStampaSchede>(contesto));
#ifdef VELTRIX_FINESTRA_DOCENTE
    finestre.registra(Finestra::Registro, fabbrica<FinestraRegistro>(contesto));
#endif
}

void Programma::avvia() {
    finestre.apri(Finestra::Inizio);
}
