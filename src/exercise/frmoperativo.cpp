// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/frmoperativo.h"
#include "exercise/quadrooperazione.h"
#include "practice/fraseoperazione.h"
#include "practice/generazione.h"
#include "practice/presentazione.h"
#include "practice/serie.h"
#include "rules/palette.h"
#include "rules/scelte.h"
#include "widgets/accessibile.h"
#include "widgets/annuncio.h"

#include "exercise/tastierino.h"
#include "platform/orologio.h"
#include "state/codici.h"
#include "widgets/areaproporzionale.h"
#include "widgets/colori.h"
#include "widgets/pulsanteopzione.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>

namespace {
QString titoloPerOperazione(qint16 codice) {
    const auto operazione = daCodice<OperazioneEsercizio>(codice);
    if (!operazione) {
        return QStringLiteral("ESERCIZI.1");
    }
    switch (*operazione) {
    case OperazioneEsercizio::Addizione:
        return QStringLiteral("ESERCIZI SULLE ADDIZIONI.1");
    case OperazioneEsercizio::Sottrazione:
        return QStringLiteral("ESERCIZI SULLE SOTTRAZIONI.1");
    case OperazioneEsercizio::Moltiplicazione:
        break;
    }
    return QStringLiteral("ESERCIZI SULLE MOLTIPLICAZIONI.1");
}
} // namespace

// The window keeps the size it opens with: a resize starts a new series, and a pupil must not
// lose one by dragging an edge by mistake.
FrmOperativo::FrmOperativo(Contesto& contesto) : contesto(contesto), stato(contesto.stato) {
    setObjectName(QStringLiteral("FrmOperativo"));
    setWindowTitle(titoloPerOperazione(stato.Operazione));
    area = new AreaProporzionale(11910, 8520, this);
    area->setObjectName(QStringLiteral("area"));
    impostaSfondo(area, colori::crema);
    setCentralWidget(area);
    creaMenu();
    creaTitoli();
    frmNumero = new QuadroOperazione(area);
    creaStatistiche();
    creaPannelli();
    annuncio = new Annuncio(area);
    annuncio->setObjectName(QStringLiteral("annuncio"));
    area->registraPosizioni();
    nominaControlli();

    lblIntestazione[0]->setText(stato.DidascaliaObiettivo + QStringLiteral("   "));
    lblIntestazione[1]->setText(QStringLiteral("   Operazione:    ") + QStringLiteral("    ") +
                                stato.NomeProgramma);
    stato.ContaOperazioni = 0;

    connect(area, &AreaProporzionale::ridimensionata, this, [this] {
        NuovaSerie();
        pannelli.posiziona();
        frmNumero->posizionaCroci();
    });
    connect(area, &AreaProporzionale::cliccata, this, &FrmOperativo::cliccaSfondo);
    setFixedSize(dimensioneNelloSchermo(area->size() + QSize(0, menuBar()->sizeHint().height())));
    // Above the start window, when there is one: asking for it must not load it.
    if (contesto.finestre.caricata(Finestra::Inizio)) {
        tieniSopra(contesto.finestre.istanza(Finestra::Inizio));
    }
    centraNelloSchermo();
}

// Names for a screen reader, for the controls whose caption does not say what they are.
void FrmOperativo::nominaControlli() {
    impostaSignificati(this, {{"area", "Esercizi"},
                              {"frmNumero", "Operazione"},
                              {"LblNumero1", "Primo numero"},
                              {"LblSegno", "Segno"},
                              {"LblNumero2", "Secondo numero"},
                              {"lblSegno1", "Segno"},
                              {"lblNumero3", "Terzo numero"},
                              {"LblUguale", "Uguale"},
                              {"lblRisultato1", "Risultato"},
                              {"lblCorrezione", "Risposta giusta"},
                              {"lblNonDisponibile", "Avviso"},
                              {"LblEsito", "Esito"},
                              {"fraElaborazione", "Statistiche"},
                              {"LblOperazione", "Operazioni"},
                              {"lblRisEsatte", "Risposte esatte"},
                              {"lblRisErrate", "Risposte errate"},
                              {"LblTempoParziale", "Tempo parziale"},
                              {"LblTempoTotale", "Tempo totale"},
                              {"fraTastierino", "Tastierino"},
                              {"fraAiuto", "Aiuto"},
                              {"fraAvviso", "Avviso"},
                              {"fraIntervento", "Intervento"},
                              {"fraUscita", "Uscita"},
                              {"lblRiferimento", "Riferimento"}});
}

void FrmOperativo::cliccaSfondo() {
    fraElaborazione->setVisible(!fraElaborazione->isVisible());
}

void FrmOperativo::NuovaSerie() {
    serie::iniziaSerie(stato);
    if (contesto.registro) {
        contesto.registro->iniziaSerie(stato);
    }
    lblIntestazione[2]->setText(
        didascaliaLivello(stato.LivelloSerie, stato.DescrizioneLivelloSerie) +
        QStringLiteral("   "));
    LblTempoParziale->clear();
    LblTempoTotale->clear();
    frmNumero->scrivi(QuadroOperazione::risultato, QStringLiteral("?"));
    LblOperazione->clear();
    lblRisEsatte->clear();
    lblRisErrate->clear();
    NuovoEsercizio();
}

void FrmOperativo::NuovoEsercizio() {
    // The counting itself was done with the series; here the window shows it.
    LblTempoTotale->setText(QStringLiteral("0"));
    ProssimaOperazione();
}

void FrmOperativo::ProssimaOperazione() {
    frmNumero->pulisci();
    LblEsito->clear();
    stato.Risposta.clear();
    if (!daCodice<OperazioneEsercizio>(stato.Operazione)) {
        mostraNonDisponibile();
        return;
    }
    // A full record takes no more operations: the pupil prints or starts again.
    if (!serie::avanzaOperazione(stato)) {
        annuncio->annuncia(mostraAvviso(
            QStringLiteral("Serie finita: %1 operazioni. ").arg(serie::operazioniMassime)));
        return;
    }
    pannelli.attiva(pannelli.tastierino);
    LblOperazione->setText(QString::number(stato.NumeroOperazione));
    GeneraOperazione();
    pannelli.tastierino->prepara();
    annunciaOperazione();
}

// The row as a sentence: the numbers alone, read one label after another, do not say which
// one is missing or what the signs are.
void FrmOperativo::annunciaOperazione() {
    annuncio->annuncia(fraseOperazione(frmNumero->testi()));
}

void FrmOperativo::GeneraOperazione() {
    const QString segno =
        GeneraOperazioneTermini(stato, contesto.servizi.casuale, contesto.servizi.orologio);
    frmNumero->scriviSegno(segno);
    segnoOperazione = segno;
    const RigaOperazione riga =
        PresentaOperazione(stato, contesto.servizi.casuale, contesto.servizi.orologio);
    for (int i = 0; i < QuadroOperazione::numeroNumeri; ++i) {
        scriviNumero(i, riga.numeri[i]);
    }
    if (riga.mancante >= 0) {
        frmNumero->segnaMancante(riga.mancante);
    }
}

// Only additions, subtractions and multiplications have exercises; the other codes belong to
// the worksheets. The pupil is told so and can only leave.
void FrmOperativo::mostraNonDisponibile() {
    const QString avviso =
        QStringLiteral("Esercizi disponibili solo per addizioni, sottrazioni e moltiplicazioni");
    frmNumero->mostraNonDisponibile(avviso);
    annuncio->annuncia(avviso);
    pannelli.attiva(pannelli.tastierino);
    pannelli.tastierino->soloEsco();
}

// After a wrong answer the focus goes to "SI": the help panel's question is then read out, and
// S, N, "1" and "2" answer it at once, as they do once the focus is on its buttons.
void FrmOperativo::VerificaRisposta() {
    const bool esatta = serie::VerificaRisposta(stato);
    if (esatta) {
        LblEsito->setText(QStringLiteral("Esatto"));
        lblRisEsatte->setText(QString::number(stato.RisposteEsatte));
        pannelli.tastierino->blocca();
        annuncio->annuncia(LblEsito->text());
    } else {
        LblEsito->setText(QStringLiteral("Errato"));
        if (const int k = indiceMancante(); k >= 0) {
            frmNumero->mostraCroce(k);
        }
        lblRisErrate->setText(QString::number(stato.RisposteErrate));
        pannelli.attiva(pannelli.aiuto);
        pannelli.aiuto->daiFuoco(Pannelli::si);
        annuncio->annuncia(LblEsito->text() + QStringLiteral(". Ti aiuto ?"));
    }
    AggiornaTempi();
    if (contesto.registro) {
        contesto.registro->rispostaGiudicata(stato, segnoOperazione, esatta);
    }
}

QString FrmOperativo::mostraAvviso(const QString& perche) {
    pannelli.testoAvviso->setText(perche +
                                  QStringLiteral("Se ricominci gli esercizi andranno persi"));
    pannelli.attiva(pannelli.avviso);
    pannelli.avviso->daiFuoco(Pannelli::stampa);
    return pannelli.testoAvviso->text();
}

void FrmOperativo::AggiornaTempi() {
    const serie::TempiMostrati tempi =
        serie::AggiornaTempi(stato, contesto.servizi.orologio.secondiDaMezzanotte());
    LblTempoParziale->setText(tempi.parziale);
    LblTempoTotale->setText(tempi.totale);
}

void FrmOperativo::scriviNumero(int k, const QString& testo) {
    // A number that gets a value can be checked.
    if (frmNumero->scrivi(k, testo)) {
        pannelli.tastierino->pulsante(Tastierino::verifica)->setEnabled(true);
    }
}
