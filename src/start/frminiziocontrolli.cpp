// SPDX-License-Identifier: GPL-3.0-or-later
// Building the controls of the start window at their designed places, colours and fonts.
#include "rules/palette.h"
#include "rules/scelte.h"
#include "start/finestraesempi.h"
#include "start/finestravalutazione.h"
#include "start/frminizio.h"

#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/controlli.h"
#include "widgets/etichetta.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

namespace {
// The three frames of choices stand side by side.
constexpr double altoCornici = 3615;

// A frame's row of choices, made with the mouse alone (the window says "Utilizza il MOUSE"):
// the choice is shown by the text's colour, not the focus.
PannelloScelte* creaFila(QGroupBox* cornice, const QString& nome,
                         const std::vector<PannelloScelte::Pulsante>& pulsanti, double punti) {
    auto* fila = new PannelloScelte(cornice, nome);
    RegoleTasti soloMouse;
    soloMouse.tastiera = false;
    fila->creaPulsanti(pulsanti, carattere("Arial", punti), colori::blu, soloMouse,
                       ColoriFuoco::no);
    for (int posto = 0; posto < fila->numeroPulsanti(); ++posto) {
        fila->pulsante(posto)->impostaScelto(false);
    }
    return fila;
}
} // namespace

void frmInizio::creaTitolo() {
    auto* fraTitolo = new QWidget(area);
    fraTitolo->setObjectName(QStringLiteral("fraTitolo"));
    impostaSfondo(fraTitolo, colori::crema);
    posizionaTwip(fraTitolo, 90, 0, 11745, 1800);

    auto* fraNome = new QWidget(fraTitolo);
    fraNome->setObjectName(QStringLiteral("Frame5"));
    impostaSfondo(fraNome, colori::pesca);
    posizionaTwip(fraNome, 135, 120, 8256, 1500);

    lblNomeOperazione =
        creaEtichetta(fraNome, QStringLiteral("lblNomeOperazione"), QStringLiteral("OPE"),
                      carattere("Arial", 48), colori::blu, Qt::AlignCenter, ACapo::si);
    posizionaTwip(lblNomeOperazione, 240, 165, 7755, 945);

    auto* lblSottotitolo = creaEtichetta(
        fraNome, QStringLiteral("Label6"), QStringLiteral(" OPERAZIONI IN  RIGA CON NUMERI INTERI"),
        carattere("Arial", 20.25), colori::blu, Qt::AlignCenter, ACapo::si);
    posizionaTwip(lblSottotitolo, 0, 1080, 8205, 375);
    adattaAllaLarghezza(lblSottotitolo);

    lblVersione = creaEtichetta(fraTitolo, QStringLiteral("lblVersione"),
                                QStringLiteral("Ver.1.0.3\n\nUtilizza il MOUSE"),
                                carattere("Arial", 12), colori::blu, Qt::AlignCenter, ACapo::si);
    posizionaTwip(lblVersione, 8790, 345, 2250, 1005);
}

void frmInizio::creaRiepilogo() {
    constexpr Qt::Alignment inAlto = Qt::AlignLeft | Qt::AlignTop;
    auto* lblScelte =
        creaEtichetta(area, QStringLiteral("Label7"), QStringLiteral("Le tue scelte"),
                      carattere("Arial", 20.25), colori::rossoScuro, inAlto, ACapo::si);
    posizionaTwip(lblScelte, 540, 2085, 2490, 480);

    // One line each: the level's summary lies over the bottom of the objective's, so a second
    // line of the objective would be half hidden under it.
    lblObiettivo = creaEtichetta(area, QStringLiteral("Label1"), QStringLiteral("Obiettivo"),
                                 carattere("Arial", 18), colori::rossoScuro, inAlto);
    impostaSfondo(lblObiettivo, colori::giallo);
    posizionaTwip(lblObiettivo, 3270, 2130, 7875, 495);

    lblLivello = creaEtichetta(area, QStringLiteral("Label3"), QStringLiteral("Livello"),
                               carattere("Arial", 18), colori::rossoScuro, inAlto);
    impostaSfondo(lblLivello, colori::giallo);
    posizionaTwip(lblLivello, 3270, 2580, 7875, 495);

    lblCambiaOb = new Etichetta(QStringLiteral("Cambia gli obiettivi"), area);
    lblCambiaOb->setObjectName(QStringLiteral("lblCambiaOb"));
    lblCambiaOb->setFont(carattere("Arial", 18));
    lblCambiaOb->setCursor(Qt::PointingHandCursor);
    impostaColori(lblCambiaOb, colori::crema, colori::blu);
    posizionaTwip(lblCambiaOb, 495, 3165, 3645, 435);

    auto* lblAutore = creaEtichetta(
        area, QStringLiteral("Label5"), QStringLiteral("Il nuovo software di Quendil"),
        carattere("Arial", 27.75), colori::marrone, Qt::AlignCenter, ACapo::si);
    impostaSfondo(lblAutore, colori::arancio);
    posizionaTwip(lblAutore, 270, 7440, 11445, 705);
}

QLabel* frmInizio::creaStriscia(QWidget* cornice, const QString& nome, double sinistra, double alto,
                                double larghezza, double altezza) {
    auto* striscia = new QLabel(cornice);
    striscia->setObjectName(nome);
    impostaSfondo(striscia, colori::crema);
    posizionaTwip(striscia, sinistra, alto, larghezza, altezza);
    return striscia;
}

void frmInizio::creaObiettivi() {
    fraObiettivi = creaCornice(area, QStringLiteral("Frame1"), QStringLiteral("OBIETTIVI"),
                               colori::crema, colori::rossoScuro);
    posizionaTwip(fraObiettivi, 450, altoCornici, 4050, 3645);
    constexpr std::array<double, 3> alti{300, 1380, 2445};
    std::vector<PannelloScelte::Pulsante> pulsanti;
    for (int i = 0; i < numeroObiettivi; ++i) {
        pulsanti.push_back({QStringLiteral("Option1(%1)").arg(i),
                            QString::fromUtf8(obiettivo(i).pulsante), 90, alti[i % 3], 3585, 1050});
    }
    filaObiettivi = creaFila(fraObiettivi, QStringLiteral("filaObiettivi"), pulsanti, 13.5);
    connect(filaObiettivi, &PannelloScelte::scelto, this, &frmInizio::sceltaObiettivo);
    for (int i = 0; i < numeroObiettivi; ++i) {
        optObiettivo[i] = filaObiettivi->pulsante(i);
        strisceObiettivi[i] = creaStriscia(fraObiettivi, QStringLiteral("Label9(%1)").arg(i), 3750,
                                           alti[i % 3], 240, 960);
    }
    // At design the second set lies on top, its strips in the window's colour.
    for (int i = 3; i < numeroObiettivi; ++i) {
        impostaSfondo(strisceObiettivi[i], colori::crema);
        strisceObiettivi[i]->raise();
        optObiettivo[i]->raise();
    }
}

void frmInizio::creaLivelli() {
    fraLivelli = creaCornice(area, QStringLiteral("Frame2"), QStringLiteral("LIVELLI"),
                             colori::crema, colori::rossoScuro);
    posizionaTwip(fraLivelli, 4590, altoCornici, 4050, 3645);
    constexpr std::array<double, numeroLivelli> alti{300, 1125, 1965, 2775};
    std::vector<PannelloScelte::Pulsante> pulsanti;
    for (int i = 0; i < numeroLivelli; ++i) {
        pulsanti.push_back({QStringLiteral("Option2(%1)").arg(i),
                            QString::fromUtf8(livello(i).pulsante), 90, alti[i], 3585, 795});
    }
    filaLivelli = creaFila(fraLivelli, QStringLiteral("filaLivelli"), pulsanti, 14.25);
    connect(filaLivelli, &PannelloScelte::scelto, this, &frmInizio::sceltaLivello);
    for (int i = 0; i < numeroLivelli; ++i) {
        optLivello[i] = filaLivelli->pulsante(i);
        strisceLivelli[i] =
            creaStriscia(fraLivelli, QStringLiteral("Label10(%1)").arg(i), 3720, alti[i], 240, 795);
    }
}

void frmInizio::creaOperativita() {
    fraOperativita = creaCornice(area, QStringLiteral("Frame3"), QStringLiteral("OPERATIVITA'"),
                                 colori::crema, colori::rossoScuro);
    posizionaTwip(fraOperativita, 8745, altoCornici, 2925, 3660);
    optOperativita[0] =
        creaPulsante(fraOperativita, QStringLiteral("Option3(0)"), QStringLiteral("Avanti"), 0,
                     carattere("Arial", 14.25), colori::blu);
    posizionaTwip(optOperativita[0], 90, 285, 2775, 1635);
    // "Esci" lies over the frame without belonging to it, so it works while the frame is off.
    optOperativita[1] = creaPulsante(area, QStringLiteral("Option3(1)"), QStringLiteral("Esci"), 1,
                                     carattere("Arial", 14.25), colori::blu);
    posizionaTwip(optOperativita[1], 8850, 5565, 2775, 1575);
    for (PulsanteOpzione* p : optOperativita) {
        connect(p, &PulsanteOpzione::premuto, this, &frmInizio::sceltaOperativita);
    }
}

void frmInizio::creaTendine() {
    siparioSinistro = new QWidget(area);
    siparioSinistro->setObjectName(QStringLiteral("Picture2"));
    siparioDestro = new QWidget(area);
    siparioDestro->setObjectName(QStringLiteral("Picture1"));
    for (QWidget* pannello : {siparioSinistro, siparioDestro}) {
        impostaSfondo(pannello, colori::rosa);
        pannello->raise();
    }
}

void frmInizio::creaMenu() {
    mnuSchede = menuBar()->addAction(QStringLiteral("Stampa schede"));
    mnuSchede->setObjectName(QStringLiteral("mnuSchede"));
    mnuSchede->setEnabled(false);
    connect(mnuSchede, &QAction::triggered, this,
            [this] { contesto.finestre.apri(Finestra::StampaSchede); });

    // Only where the program keeps a register and has its window, beside the worksheets and
    // enabled with them.
    if (contesto.registro && contesto.finestre.registrata(Finestra::Registro)) {
        mnuRegistro = menuBar()->addAction(QStringLiteral("Registro"));
        mnuRegistro->setObjectName(QStringLiteral("mnuRegistro"));
        mnuRegistro->setEnabled(false);
        connect(mnuRegistro, &QAction::triggered, this,
                [this] { contesto.finestre.apri(Finestra::Registro); });
    }

    mnuValutazione = menuBar()->addAction(QStringLiteral("Valutazione"));
    mnuValutazione->setObjectName(QStringLiteral("mnuValutazione"));
    connect(mnuValutazione, &QAction::triggered, this,
            [this] { (new FinestraValutazione(stato.NomeProgramma, this))->show(); });

    mnuEsempi = menuBar()->addAction(QStringLiteral("Esemplicazione"));
    mnuEsempi->setObjectName(QStringLiteral("mnuEsempi"));
    connect(mnuEsempi, &QAction::triggered, this,
            [this] { (new FinestraEsempi(contesto, this))->show(); });
}
