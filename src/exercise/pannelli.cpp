// The keypad and the three panels that take its place: help, intervention and warning.
#include "exercise/frmoperativo.h"
#include "exercise/tastierino.h"
#include "practice/presentazione.h"
#include "practice/serie.h"

#include "widgets/pulsanteopzione.h"

#include <QFrame>
#include <QLabel>

namespace {
constexpr int cifreMassime = 4;
constexpr int rifiutiPrimaDellIntervento = 3;
constexpr int operazioniPrimaDellAvviso = 20;
} // namespace

// The focus cannot move to a control that is not on screen yet; the caller then stops quietly.
bool FrmOperativo::fuoco(QWidget* controllo) {
    if (!controllo->isVisible() || !controllo->isEnabled()) {
        return false;
    }
    controllo->setFocus(Qt::OtherFocusReason);
    return true;
}

int FrmOperativo::indiceMancante() const {
    const int posizione = stato.PosizioneMancante;
    return posizione >= 1 && posizione <= 4 ? indiceEtichetta(posizione) : -1;
}

QLabel* FrmOperativo::etichettaRisposta() const {
    const int k = indiceMancante();
    return k >= 0 ? numeri[k] : nullptr;
}

void FrmOperativo::mostraRisposta() {
    if (QLabel* risposta = etichettaRisposta()) {
        scriviNumero(risposta, stato.Risposta);
    }
}

void FrmOperativo::PremiTasto(int indice) {
    if (indice >= 0 && indice <= 9) {
        QLabel* risposta = etichettaRisposta();
        if (risposta && risposta->text() == QLatin1String("?")) {
            stato.Risposta.clear();
        }
        stato.Risposta = (stato.Risposta + Option2[indice]->text()).left(cifreMassime);
        mostraRisposta();
    } else if (indice == tastierino::cancella) {
        stato.Risposta.chop(1);
        if (stato.Risposta.isEmpty()) {
            stato.Risposta = QStringLiteral("?");
        }
        mostraRisposta();
    } else if (indice == tastierino::verifica) {
        VerificaRisposta();
    } else if (indice == tastierino::avanti) {
        ProssimaOperazione();
    } else if (indice == tastierino::esco) {
        close();
    }
}

void FrmOperativo::PreparaTastierino() {
    for (int i = 0; i <= tastierino::verifica; ++i) {
        Option2[i]->setEnabled(true);
    }
    if (!fuoco(Option2[1])) {
        return;
    }
    Option2[tastierino::avanti]->setEnabled(false);
    Option2[tastierino::esco]->setEnabled(false);
}

void FrmOperativo::BloccaRisposta() {
    for (int i = 0; i <= tastierino::verifica; ++i) {
        Option2[i]->setEnabled(false);
    }
    Option2[tastierino::avanti]->setEnabled(true);
    Option2[tastierino::esco]->setEnabled(true);
    fuoco(Option2[tastierino::avanti]);
}

void FrmOperativo::PosizionaPannelli() {
    for (QFrame* pannello : {fraAiuto, fraTastierino, fraAvviso, fraIntervento}) {
        pannello->move(lblRiferimento->pos());
    }
}

// A panel behind the one in front is hidden as well as off: covered, it would still be read out
// by a screen reader, its buttons among the keypad's.
void FrmOperativo::DisattivaPannelli() {
    for (QFrame* pannello : {fraAiuto, fraTastierino, fraAvviso, fraIntervento}) {
        pannello->setEnabled(false);
        pannello->hide();
    }
}

void FrmOperativo::attivaPannello(QFrame* pannello) {
    DisattivaPannelli();
    pannello->setEnabled(true);
    pannello->show();
    pannello->raise();
}

void FrmOperativo::SiSi() {
    LblTempoParziale->setText(QString::number(stato.TempoParziale));
    LblTempoTotale->setText(QString::number(stato.TempoTotale));
    if (QString* riga = serie::rigaInCorso(stato)) {
        *riga += stato.TestoRisultato + QStringLiteral("° ");
    }
    lblRisErrate->setText(QString::number(stato.RisposteErrate));
    LblOperazione->setText(QString::number(stato.NumeroOperazione));
    lblCorrezione->setText(stato.TestoRisultato);
    if (QLabel* risposta = etichettaRisposta()) {
        lblCorrezione->move(risposta->x(), lblCorrezione->y());
    }
    LblEsito->clear();
    attivaPannello(fraTastierino);
    BloccaRisposta();
    ControllaAvviso();
}

void FrmOperativo::NoNo() {
    LblEsito->clear();
    ++stato.RifiutiAiuto;
    if (stato.RifiutiAiuto < rifiutiPrimaDellIntervento) {
        NascondiCroci();
        attivaPannello(fraTastierino);
        if (QLabel* risposta = etichettaRisposta()) {
            scriviNumero(risposta, QStringLiteral("?"));
        }
        PreparaTastierino();
        return;
    }
    stato.RifiutiAiuto = 0;
    attivaPannello(fraIntervento);
    fuoco(optOK);
}

void FrmOperativo::ControllaAvviso() {
    if (stato.ContaOperazioni < operazioniPrimaDellAvviso) {
        return;
    }
    attivaPannello(fraAvviso);
    fuoco(optAvviso[0]);
}

void FrmOperativo::sceltaAiuto(int indice) {
    if (indice == 0) {
        SiSi();
    } else {
        NoNo();
    }
}

void FrmOperativo::sceltaAvviso(int indice) {
    if (indice == 0) {
        contesto.finestre.apri(Finestra::StampaEsercizio);
        return;
    }
    attivaPannello(fraTastierino);
    PreparaTastierino();
    NuovaSerie();
}
