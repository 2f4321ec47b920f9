// SPDX-License-Identifier: GPL-3.0-or-later
// Building the controls of the certificate window at their designed places, colours and fonts.
#include "reports/frmattestato.h"

#include "reports/figuraattestato.h"
#include "rules/palette.h"
#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/pannelloscelte.h"
#include "widgets/unita.h"

#include <QLabel>

void FrmAttestato::creaImmagine() {
    figura = new FiguraAttestato(area);
    figura->setObjectName(QStringLiteral("Picture1"));
    figura->setFont(::carattere("MS Sans Serif", 8.25));
    posizionaTwip(figura, 3975, 360, 3750, 5205);
}

void FrmAttestato::creaMessaggio() {
    lblMessaggio = new QLabel(area);
    lblMessaggio->setObjectName(QStringLiteral("Label1"));
    lblMessaggio->setFont(::carattere("MS Sans Serif", 12));
    lblMessaggio->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessaggio->setWordWrap(true);
    impostaTesto(lblMessaggio, colori::rosso);
    posizionaTwip(lblMessaggio, 8100, 2970, 3150, 1845);
}

void FrmAttestato::creaScelte() {
    scelte = new PannelloScelte(area, QStringLiteral("Frame4"), colori::lilla);
    posizionaTwip(scelte, 3285, 5745, 5184, 2070);
    scelte->creaPulsanti(
        {
            {QStringLiteral("Option5(0)"), QStringLiteral("STAMPA L'ATTESTATO"), 135, 84, 5004,
             630},
            {QStringLiteral("Option5(1)"), QStringLiteral("TORNA ALLA FINESTRA PRECEDENTE"), 135,
             732, 5004, 630},
            {QStringLiteral("Option5(2)"), QStringLiteral("FINE SESSIONE"), 120, 1368, 5004, 630},
        },
        ::carattere("Arial", 12), colori::blu);
    connect(scelte, &PannelloScelte::scelto, this, &FrmAttestato::scelta);
}
