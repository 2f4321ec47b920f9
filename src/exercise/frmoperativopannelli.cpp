// SPDX-License-Identifier: GPL-3.0-or-later
// What the keypad's buttons and the choices of the panels over it do.
#include "exercise/frmoperativo.h"
#include "exercise/quadrooperazione.h"
#include "exercise/tastierino.h"
#include "practice/presentazione.h"
#include "practice/serie.h"
#include "rules/valutazione.h"
#include "widgets/annuncio.h"

#include "widgets/pannelloscelte.h"
#include "widgets/pulsanteopzione.h"

#include <QLabel>

namespace {
constexpr int cifreMassime = 4;
constexpr int rifiutiPrimaDellIntervento = 3;
constexpr int operazioniPrimaDellAvviso = 20;
} // namespace

int FrmOperativo::indiceMancante() const {
    const int posizione = stato.PosizioneMancante;
    return posizione >= 1 && posizione <= 4 ? indiceEtichetta(posizione) : -1;
}

void FrmOperativo::mostraRisposta() {
    if (const int k = indiceMancante(); k >= 0) {
        scriviNumero(k, stato.Risposta);
    }
}

void FrmOperativo::PremiTasto(int indice) {
    if (indice >= 0 && indice <= 9) {
        const int k = indiceMancante();
        if (k >= 0 && frmNumero->numero(k)->text() == QLatin1String("?")) {
            stato.Risposta.clear();
        }
        const QString cifra = pannelli.tastierino->pulsante(indice)->text();
        stato.Risposta = (stato.Risposta + cifra).left(cifreMassime);
        mostraRisposta();
    } else if (indice == Tastierino::cancella) {
        stato.Risposta.chop(1);
        if (stato.Risposta.isEmpty()) {
            stato.Risposta = QStringLiteral("?");
        }
        mostraRisposta();
    } else if (indice == Tastierino::verifica) {
        VerificaRisposta();
    } else if (indice == Tastierino::avanti) {
        ProssimaOperazione();
    } else if (indice == Tastierino::esco) {
        esci();
    }
}

// A series that could be printed is not thrown away at one touch: the pupil may print it first.
void FrmOperativo::esci() {
    if (stato.ContaOperazioni < operazioniMinime) {
        close();
        return;
    }
    pannelli.attiva(pannelli.uscita);
    pannelli.uscita->daiFuoco(Pannelli::stampa);
    annuncio->annuncia(QStringLiteral("Se esci gli esercizi andranno persi"));
}

void FrmOperativo::SiSi() {
    LblTempoParziale->setText(QString::number(stato.TempoParziale));
    LblTempoTotale->setText(QString::number(stato.TempoTotale));
    if (QString* riga = serie::rigaInCorso(stato)) {
        *riga += stato.TestoRisultato + QStringLiteral("° ");
    }
    lblRisErrate->setText(QString::number(stato.RisposteErrate));
    LblOperazione->setText(QString::number(stato.NumeroOperazione));
    frmNumero->mostraCorrezione(stato.TestoRisultato, indiceMancante());
    LblEsito->clear();
    pannelli.attiva(pannelli.tastierino);
    pannelli.tastierino->blocca();
    const QString correzione = QStringLiteral("Risposta giusta: ") + stato.TestoRisultato.trimmed();
    const QString avviso = ControllaAvviso();
    annuncio->annuncia(avviso.isEmpty() ? correzione : correzione + QStringLiteral(". ") + avviso);
}

void FrmOperativo::NoNo() {
    LblEsito->clear();
    ++stato.RifiutiAiuto;
    if (contesto.registro) {
        contesto.registro->aiuto(stato, stato.RifiutiAiuto < rifiutiPrimaDellIntervento
                                            ? Registro::Aiuto::rifiutato
                                            : Registro::Aiuto::intervento);
    }
    if (stato.RifiutiAiuto < rifiutiPrimaDellIntervento) {
        frmNumero->nascondiCroci();
        pannelli.attiva(pannelli.tastierino);
        if (const int k = indiceMancante(); k >= 0) {
            scriviNumero(k, QStringLiteral("?"));
        }
        pannelli.tastierino->prepara();
        return;
    }
    stato.RifiutiAiuto = 0;
    pannelli.attiva(pannelli.intervento);
    pannelli.intervento->daiFuoco(0);
    annuncio->annuncia(QStringLiteral("Intervengo io"));
}

QString FrmOperativo::ControllaAvviso() {
    return stato.ContaOperazioni < operazioniPrimaDellAvviso ? QString() : mostraAvviso(QString());
}

void FrmOperativo::sceltaAiuto(int indice) {
    if (indice == Pannelli::si) {
        SiSi();
        if (contesto.registro) {
            contesto.registro->aiuto(stato, Registro::Aiuto::accettato);
        }
    } else {
        NoNo();
    }
}

void FrmOperativo::sceltaUscita(int indice) {
    if (indice == Pannelli::stampa) {
        contesto.finestre.apri(Finestra::StampaEsercizio);
    } else {
        close();
    }
}

void FrmOperativo::sceltaAvviso(int indice) {
    if (indice == Pannelli::stampa) {
        contesto.finestre.apri(Finestra::StampaEsercizio);
        return;
    }
    pannelli.attiva(pannelli.tastierino);
    pannelli.tastierino->prepara();
    NuovaSerie();
}
