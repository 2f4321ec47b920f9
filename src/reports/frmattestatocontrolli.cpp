// SPDX-License-Identifier: GPL-3.0-or-later
// Building the controls of the certificate window at their designed places, colours and fonts.
#include "rules/palette.h"
#include "reports/figuraattestato.h"
#include "reports/frmattestato.h"

#include "widgets/areaproporzionale.h"
#include "widgets/controlli.h"
#include "widgets/gruppotasti.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"
#include "widgets/colori.h"
#include "widgets/caratteri.h"

#include <QFrame>
#include <QLabel>

void FrmAttestato::creaImmagine() {
    Picture1 = new FiguraAttestato(area);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFont(::carattere("MS Sans Serif", 8.25));
    posizionaTwip(Picture1, 3975, 360, 3750, 5205);
}

void FrmAttestato::creaMessaggio() {
    Label1 = new QLabel(area);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(::carattere("MS Sans Serif", 12));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    impostaTesto(Label1, colori::rosso);
    posizionaTwip(Label1, 8100, 2970, 3150, 1845);
}

void FrmAttestato::creaScelte() {
    Frame4 = new QFrame(area);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4->setFrameShape(QFrame::Box);
    impostaSfondo(Frame4, colori::lilla);
    posizionaTwip(Frame4, 3285, 5745, 5184, 2070);

    struct Scelta {
        const char* testo;
        double sinistra, alto;
    };
    constexpr Scelta scelte[3] = {
        {"STAMPA L'ATTESTATO", 135, 84},
        {"TORNA ALLA FINESTRA PRECEDENTE", 135, 732},
        {"FINE SESSIONE", 120, 1368},
    };
    for (int i = 0; i < 3; ++i) {
        auto* p =
            creaPulsante(Frame4, QStringLiteral("Option5(%1)").arg(i),
                         QLatin1String(scelte[i].testo), i, ::carattere("Arial", 12), colori::blu);
        posizionaTwip(p, scelte[i].sinistra, scelte[i].alto, 5004, 630);
        connect(p, &PulsanteOpzione::premuto, this, &FrmAttestato::scelta);
        Option5[i] = p;
    }
    tastiScelte = new GruppoTasti(
        {Option5.begin(), Option5.end()}, [this](int i) { scelta(i); }, this);
}
