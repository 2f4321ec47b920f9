// SPDX-License-Identifier: GPL-3.0-or-later
// Building the controls of the exercise window at their designed places, colours and fonts.
#include "exercise/frmoperativo.h"
#include "rules/palette.h"

#include "exercise/tastierino.h"
#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/pannelloscelte.h"
#include "widgets/unita.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>

void FrmOperativo::creaTitoli() {
    for (int i = 0; i < 3; ++i) {
        lblIntestazione[i] =
            creaEtichetta(area, QStringLiteral("Label1(%1)").arg(i), QString(),
                          carattere("Arial", 18), colori::rosso, Qt::AlignLeft | Qt::AlignVCenter);
        impostaSfondo(lblIntestazione[i], colori::pesca);
        posizionaTwip(lblIntestazione[i], 105, 30 + 360 * i, 11655, 360);
    }
}

void FrmOperativo::creaStatistiche() {
    LblEsito = creaEtichetta(area, QStringLiteral("LblEsito"), QString(), carattere("Arial", 48),
                             colori::blu);
    posizionaTwip(LblEsito, 420, 4155, 5400, 1515);

    fraElaborazione = creaRiquadro(area, QStringLiteral("fraElaborazione"), colori::crema);
    posizionaTwip(fraElaborazione, 60, 6780, 5700, 1620);

    struct Voce {
        int indice;
        const char* didascalia;
        QLabel** valore;
        const char* nome;
    };
    const Voce voci[] = {
        {1, "Operazioni", &LblOperazione, "LblOperazione"},
        {0, "Risposte esatte ", &lblRisEsatte, "lblRisEsatte"},
        {3, "Risposte errate", &lblRisErrate, "lblRisErrate"},
        {4, "Tempo parziale", &LblTempoParziale, "LblTempoParziale"},
        {5, "Tempo totale", &LblTempoTotale, "LblTempoTotale"},
    };
    constexpr double colonna = 1110;
    for (int i = 0; i < 5; ++i) {
        const Voce& v = voci[i];
        auto* didascalia =
            creaEtichetta(fraElaborazione, QStringLiteral("Label5(%1)").arg(v.indice), QString(),
                          carattere("MS Sans Serif", 8.25), colori::bluScuro);
        didascalia->setText(QLatin1String(v.didascalia));
        didascalia->setWordWrap(true);
        posizionaTwip(didascalia, 45 + colonna * i, 150, colonna - 30, 600);
        *v.valore = creaEtichetta(fraElaborazione, QLatin1String(v.nome), QString(),
                                  carattere("Arial", 14.25), colori::bluChiaro);
        posizionaTwip(*v.valore, 45 + colonna * i, 810, colonna - 30, 600);
    }
    LblTempoParziale->setToolTip(QStringLiteral("Secondi impiegati per ogni risposta"));
    LblTempoTotale->setToolTip(QStringLiteral("Secondi impiegati per ogni esercizio"));
}

void FrmOperativo::creaPannelli() {
    pannelli = Pannelli::crea(area);
    connect(pannelli.tastierino, &PannelloScelte::scelto, this, &FrmOperativo::PremiTasto);
    connect(pannelli.aiuto, &PannelloScelte::scelto, this, &FrmOperativo::sceltaAiuto);
    connect(pannelli.avviso, &PannelloScelte::scelto, this, &FrmOperativo::sceltaAvviso);
    connect(pannelli.intervento, &PannelloScelte::scelto, this, &FrmOperativo::SiSi);
    connect(pannelli.uscita, &PannelloScelte::scelto, this, &FrmOperativo::sceltaUscita);
}

void FrmOperativo::creaMenu() {
    mnuVisualizza = menuBar()->addAction(QStringLiteral("Visualizza esercizio"));
    mnuVisualizza->setObjectName(QStringLiteral("mnuVisualizza"));
    connect(mnuVisualizza, &QAction::triggered, this,
            [this] { contesto.finestre.apri(Finestra::StampaEsercizio); });
}
