// Building the controls of the exercise window at their designed places, colours and fonts.
#include "exercise/frmoperativo.h"
#include "rules/palette.h"

#include "widgets/areaproporzionale.h"
#include "widgets/controlli.h"
#include "widgets/linea.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"
#include "widgets/colori.h"
#include "widgets/caratteri.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

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

    // Times are clock readings taken at the moments that matter, never ticks.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

QFrame* FrmOperativo::creaPannello(const char* nome, double sinistra, double alto) {
    auto* pannello = creaRiquadro(area, QLatin1String(nome), colori::pesca);
    posizionaTwip(pannello, sinistra, alto, 4605, 3300);
    return pannello;
}

void FrmOperativo::creaTastierino() {
    fraTastierino = creaPannello("fraTastierino", 5850, 5580);
    struct Tasto {
        const char* testo;
        double sinistra, alto, larghezza;
    };
    constexpr Tasto tasti[14] = {
        {"0", 30, 120, 1110},       {"1", 1170, 120, 1110},       {"2", 2295, 120, 1110},
        {"3", 3435, 120, 1110},     {"4", 45, 705, 1110},         {"5", 1170, 705, 1110},
        {"6", 2295, 705, 1110},     {"7", 3435, 705, 1110},       {"8", 45, 1290, 1110},
        {"9", 1170, 1290, 1110},    {"Cancella", 45, 1875, 2250}, {"Verifica", 2295, 1875, 2250},
        {"Avanti", 45, 2460, 2250}, {"Esco", 2295, 2460, 2250},
    };
    for (int i = 0; i < 14; ++i) {
        const Tasto& t = tasti[i];
        Option2[i] = creaPulsante(fraTastierino, QStringLiteral("Option2(%1)").arg(i),
                                  QLatin1String(t.testo), i, carattere("Arial", 24), colori::blu);
        posizionaTwip(Option2[i], t.sinistra, t.alto, t.larghezza, 585);
        connect(Option2[i], &PulsanteOpzione::premuto, this, &FrmOperativo::PremiTasto);
        collegaTastiera(Option2[i], &FrmOperativo::tastoGiuTastierino,
                        &FrmOperativo::carattereTastierino);
    }
}

void FrmOperativo::creaAiuto() {
    fraAiuto = creaPannello("fraAiuto", 5865, 5610);
    auto* LblAiuto = creaEtichetta(fraAiuto, QStringLiteral("LblAiuto"), QString(),
                                   carattere("Arial", 18), colori::nero);
    LblAiuto->setText(QStringLiteral("Ti aiuto ?"));
    posizionaTwip(LblAiuto, 1065, 300, 2385, 585);
    const char* testi[2] = {"SI", "NO"};
    for (int i = 0; i < 2; ++i) {
        Option3[i] =
            creaPulsante(fraAiuto, QStringLiteral("Option3(%1)").arg(i), QLatin1String(testi[i]), i,
                         carattere("Arial", 20.25), colori::blu);
        posizionaTwip(Option3[i], 780, 1320 + 975 * i, 3120, 945);
        connect(Option3[i], &PulsanteOpzione::premuto, this, &FrmOperativo::sceltaAiuto);
        collegaTastiera(Option3[i], &FrmOperativo::tastoGiuAiuto, &FrmOperativo::carattereAiuto);
    }
}

void FrmOperativo::creaAvviso() {
    fraAvviso = creaPannello("fraAvviso", 6090, 5280);
    auto* Label4 = creaEtichetta(fraAvviso, QStringLiteral("Label4(1)"), QString(),
                                 carattere("Arial", 18), colori::nero);
    Label4->setText(QStringLiteral("Se ricominci gli esercizi andranno persi"));
    Label4->setWordWrap(true);
    posizionaTwip(Label4, 75, 225, 3780, 870);
    const char* testi[2] = {"Stampa", "Ricomincia"};
    for (int i = 0; i < 2; ++i) {
        optAvviso[i] =
            creaPulsante(fraAvviso, QStringLiteral("optAvviso(%1)").arg(i), QLatin1String(testi[i]),
                         i, carattere("Arial", 20.25), colori::blu);
        posizionaTwip(optAvviso[i], 780, 1260 + 870 * i, 3330, 840);
        connect(optAvviso[i], &PulsanteOpzione::premuto, this, &FrmOperativo::sceltaAvviso);
        collegaTastiera(optAvviso[i], &FrmOperativo::tastoGiuAvviso,
                        &FrmOperativo::carattereAvviso);
    }
}

void FrmOperativo::creaIntervento() {
    fraIntervento = creaPannello("fraIntervento", 5880, 5595);
    auto* lblIntervento = creaEtichetta(fraIntervento, QStringLiteral("lblIntervento"), QString(),
                                        carattere("Arial", 18), colori::nero);
    lblIntervento->setText(QStringLiteral("Intervengo io"));
    impostaSfondo(lblIntervento, colori::crema);
    posizionaTwip(lblIntervento, 420, 195, 4095, 510);
    optOK = creaPulsante(fraIntervento, QStringLiteral("optOK"), QStringLiteral("OK"), 0,
                         carattere("Arial", 20.25), colori::blu);
    optOK->usaColoriFuoco(false);
    impostaSfondo(optOK, colori::arancio);
    posizionaTwip(optOK, 720, 1155, 3330, 945);
    connect(optOK, &PulsanteOpzione::premuto, this, &FrmOperativo::SiSi);
    collegaTastiera(optOK, &FrmOperativo::tastoGiuOK, &FrmOperativo::carattereOK);

    lblRiferimento = new QLabel(area);
    lblRiferimento->setObjectName(QStringLiteral("lblRiferimento"));
    posizionaTwip(lblRiferimento, 7005, 5010, 60, 90);
}

void FrmOperativo::creaMenu() {
    mnuVisualizza = menuBar()->addAction(QStringLiteral("Visualizza esercizio"));
    mnuVisualizza->setObjectName(QStringLiteral("mnuVisualizza"));
    connect(mnuVisualizza, &QAction::triggered, this,
            [this] { contesto.finestre.apri(Finestra::StampaEsercizio); });
}
