// Building the controls of the exercise window at their designed places, colours and fonts.
#include "exercise/frmoperativo.h"
#include "rules/palette.h"

#include "exercise/tastierino.h"
#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/linea.h"
#include "widgets/pannelloscelte.h"
#include "widgets/unita.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>

void FrmOperativo::creaTitoli() {
    for (int i = 0; i < 3; ++i) {
        Label1[i] =
            creaEtichetta(area, QStringLiteral("Label1(%1)").arg(i), QString(),
                          carattere("Arial", 18), colori::rosso, Qt::AlignLeft | Qt::AlignVCenter);
        impostaSfondo(Label1[i], colori::pesca);
        posizionaTwip(Label1[i], 105, 30 + 360 * i, 11655, 360);
    }
}

void FrmOperativo::creaRiga() {
    frmNumero = creaRiquadro(area, QStringLiteral("frmNumero"), colori::crema);
    posizionaTwip(frmNumero, 60, 1410, 11730, 2745);

    struct Posto {
        QLabel** etichetta;
        const char* nome;
        double sinistra, larghezza, altezza;
    };
    const Posto posti[] = {
        {&LblNumero1, "LblNumero1", 45, 2235, 1095},
        {&LblSegno, "LblSegno", 2280, 765, 1245},
        {&LblNumero2, "LblNumero2", 3060, 2235, 1095},
        {&lblSegno1, "lblSegno1", 5340, 765, 1140},
        {&lblNumero3, "lblNumero3", 6135, 2235, 1095},
        {&LblUguale, "LblUguale", 8430, 915, 1110},
        {&lblRisultato1, "lblRisultato1", 9405, 2235, 1095},
    };
    for (const Posto& p : posti) {
        *p.etichetta = creaEtichetta(frmNumero, QLatin1String(p.nome), QString(),
                                     carattere("Arial", 60), colori::blu);
        posizionaTwip(*p.etichetta, p.sinistra, 120, p.larghezza, p.altezza);
    }
    numeri = {LblNumero1, LblNumero2, lblNumero3, lblRisultato1};
    lblCorrezione = creaEtichetta(frmNumero, QStringLiteral("lblCorrezione"), QString(),
                                  carattere("Arial", 60), colori::rosso);
    posizionaTwip(lblCorrezione, 9420, 1230, 2235, 1095);

    // Where the row stands, for an operation code this window has no exercises for.
    lblNonDisponibile = creaEtichetta(frmNumero, QStringLiteral("lblNonDisponibile"), QString(),
                                      carattere("Arial", 24), colori::rosso);
    lblNonDisponibile->setWordWrap(true);
    posizionaTwip(lblNonDisponibile, 45, 120, 11595, 2400);
    lblNonDisponibile->hide();
}

void FrmOperativo::creaCroci() {
    for (int k = 0; k < 4; ++k) {
        Line1[k] = new Linea(frmNumero, colori::rosso, 4);
        Line1[k]->setObjectName(QStringLiteral("Line1(%1)").arg(k));
        Line2[k] = new Linea(frmNumero, colori::rosso, 4);
        Line2[k]->setObjectName(QStringLiteral("Line2(%1)").arg(k));
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
}

void FrmOperativo::creaMenu() {
    mnuVisualizza = menuBar()->addAction(QStringLiteral("Visualizza esercizio"));
    mnuVisualizza->setObjectName(QStringLiteral("mnuVisualizza"));
    connect(mnuVisualizza, &QAction::triggered, this,
            [this] { contesto.finestre.apri(Finestra::StampaEsercizio); });
}
