// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/frmattestato.h"
#include "printouts/disegnoattestato.h"
#include "reports/figuraattestato.h"
#include "rules/palette.h"
#include "rules/valutazione.h"

#include "platform/messaggi.h"
#include "platform/orologio.h"
#include "platform/stampante.h"
#include "widgets/accessibile.h"
#include "widgets/areaproporzionale.h"
#include "widgets/caratteri.h"
#include "widgets/colori.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsanteopzione.h"
#include "widgets/unita.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int stampa = 0;
constexpr int torna = 1;
constexpr int fine = 2;
// Slow enough for the pupil to see the diploma written line by line.
constexpr int pausaTraLeRighe = 30; // ms

const QString ritornoCarrello(QChar(13));
const QString messaggioPocheOperazioni =
    QStringLiteral("Per stampare un attestato ") + ritornoCarrello + ritornoCarrello +
    QStringLiteral("è necessario eseguire ") + ritornoCarrello + ritornoCarrello +
    almenoOperazioniMinime() + QStringLiteral(". ");

} // namespace

FrmAttestato::FrmAttestato(Contesto& contesto) : contesto(contesto), stato(contesto.stato) {
    setObjectName(QStringLiteral("FrmAttestato"));
    setWindowTitle(QStringLiteral("Attestato"));
    area = new AreaProporzionale(11910, 8340, this);
    area->setObjectName(QStringLiteral("area"));
    area->setFont(::carattere("MS Sans Serif", 8.25));
    impostaSfondo(area, colori::lilla);
    setCentralWidget(area);
    creaImmagine();
    creaMessaggio();
    creaScelte();
    area->registraPosizioni();
    impostaSignificati(this, {{"area", "Attestato"},
                              {"Picture1", "Attestato"},
                              {"Label1", "Messaggio"},
                              {"Frame4", "Scelte"}});
    resize(area->size());

    tmrDisegno = new QTimer(this);
    tmrDisegno->setInterval(pausaTraLeRighe);
    connect(tmrDisegno, &QTimer::timeout, this, &FrmAttestato::disegnaRiga);

    ControllaOperazioni();
    CorreggiNome();
    CalcolaValutazione();
    preparaDisegno();

    // The diploma needs the room: at the designed size its lines would not fit the picture.
    massimizza();
}

void FrmAttestato::ControllaOperazioni() {
    if (stato.ContaOperazioni >= operazioniMinime) {
        return;
    }
    // The message is kept with its carriage returns; the label breaks its lines on line feeds.
    QString testo = messaggioPocheOperazioni;
    lblMessaggio->setText(testo.replace(QChar(13), QChar(10)));
    scelte->pulsante(stampa)->setEnabled(false);
}

void FrmAttestato::CorreggiNome() {
    stato.NomeAlunno = nomeConIniziale(stato.NomeAlunno);
}

// With no operation there is nothing to grade: the series is not classified.
void FrmAttestato::CalcolaValutazione() {
    const FasciaValutazione& fascia =
        fasciaValutazione(decimiEsatti(stato.TotaleEsatte, stato.ContaOperazioni));
    stato.Valutazione = testoValutazione(fascia);
    if (!fascia.stampabile) {
        scelte->pulsante(stampa)->setText(QStringLiteral("ATTESTATO NON STAMPABILE"));
        scelte->pulsante(stampa)->setEnabled(false);
    }
}

void FrmAttestato::preparaDisegno() {
    stato.NomeProgrammaAttestato = contesto.servizi.nomeProgramma;
    figura->impostaRighe(
        righeAttestato(stato, contesto.servizi.orologio.dataOggi(), coloreTesto(figura)));
}

// The lines are drawn once the window is on screen, one at each tick of the timer: between two
// lines the window handles whatever happened meanwhile, a click that closes it included.
void FrmAttestato::showEvent(QShowEvent* e) {
    FinestraVeltrix::showEvent(e);
    if (!tmrDisegno->isActive() && figura->righeDisegnate() == 0) {
        tmrDisegno->start();
    }
}

void FrmAttestato::disegnaRiga() {
    if (!figura->completa()) {
        figura->disegnaProssima();
    }
    if (figura->completa()) {
        tmrDisegno->stop();
    }
}

// The printer gets the finished diploma, also when the pupil asks before it is all drawn.
void FrmAttestato::StampaAttestato() {
    if (stato.ContaOperazioni < operazioniMinime) {
        contesto.servizi.messaggi.mostra(richiestaOperazioniMinime());
        scelte->pulsante(stampa)->setEnabled(false);
        return;
    }
    tmrDisegno->stop();
    figura->disegnaTutte();
    Stampante& stampante = contesto.servizi.stampante;
    stampante.iniziaDocumento(QStringLiteral("attestato"));
    stampante.stampa(QString());
    // On a large screen the picture is larger than the paper. The lines are laid out again for
    // the box they are printed in, so the page always looks like the designed certificate.
    const QRectF riquadro =
        posizioneStampaAttestato(figura->grandezzaAScalaUno(), stampante.areaStampabile());
    stampante.disegnaImmagine(figura->immagineInStampa(riquadro.size()), riquadro);
    stampante.fineDocumento();
}

void FrmAttestato::scelta(int indice) {
    switch (indice) {
    case stampa:
        StampaAttestato();
        break;
    case torna:
        close();
        break;
    case fine:
        contesto.finestre.CloseAllWindows();
        break;
    default:
        break;
    }
}
