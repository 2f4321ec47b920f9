// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/frmstampaesercizio.h"

#include "platform/messaggi.h"
#include "printouts/nomealunno.h"
#include "printouts/stampaelenco.h"
#include "rules/valutazione.h"
#include "widgets/accessibile.h"
#include "widgets/areaproporzionale.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsanteopzione.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
enum Scelta { esci, scriviNome, stampa, attestato };
} // namespace

FrmStampaEsercizio::FrmStampaEsercizio(Contesto& contesto)
    : contesto(contesto), stato(contesto.stato) {
    setObjectName(QStringLiteral("FrmStampaEsercizio"));
    setWindowTitle(QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
    area = new AreaProporzionale(11910, 8520, this);
    area->setObjectName(QStringLiteral("area"));
    setCentralWidget(area);
    creaElenco();
    creaScelte();
    creaNome();
    // The pupil who said who they are finds their name already written.
    if (contesto.registro && contesto.registro->alunnoScelto()) {
        txtNome->setText(nomeAmmesso(contesto.registro->alunnoScelto()->nome));
    }
    area->registraPosizioni();
    impostaSignificati(this, {{"area", "Esercizi eseguiti"},
                              {"Frame1", "Scelte"},
                              {"fraNome", "Nome dell'alunno"},
                              {"txtNome", "Nome"}});
    for (int k = 1; k < int(LblOp.size()); ++k) {
        impostaSignificato(LblOp[static_cast<size_t>(k)], QStringLiteral("Riga %1").arg(k));
    }
    resize(area->size()); // the size it takes back when it is no longer maximized

    // The list shows the record as it is now; lines past the thirtieth have no place on screen.
    const int righe = std::min<int>(stato.ContaOperazioni, int(LblOp.size()) - 1);
    for (int k = 1; k <= righe; ++k) {
        LblOp[static_cast<size_t>(k)]->setText(stato.RigheStampa[static_cast<size_t>(k)]);
        LblOp[static_cast<size_t>(k)]->setToolTip(stato.RigheStampa[static_cast<size_t>(k)]);
    }
    massimizza();
}

void FrmStampaEsercizio::EseguiScelta(int indice) {
    switch (indice) {
    case esci:
        // The times belong to the series, as its record lines do: a list printed after the
        // window is opened again still says how long the series took.
        close();
        break;
    case scriviNome:
        mostraNome();
        break;
    case stampa:
        if (stato.ContaOperazioni >= operazioniMinime) {
            StampaElenco();
        } else {
            contesto.servizi.messaggi.mostra(richiestaOperazioniMinime());
        }
        break;
    case attestato:
        contesto.finestre.apri(Finestra::Attestato);
        break;
    default:
        break;
    }
}

void FrmStampaEsercizio::StampaElenco() {
    elenco::StampaElenco(stato, contesto.servizi.stampante, contesto.servizi.messaggi,
                         contesto.servizi.orologio);
}

// The panel stands in the middle of the screen, wherever the window is.
void FrmStampaEsercizio::mostraNome() {
    if (const QScreen* schermo = screen()) {
        const QPoint centro = area->mapFromGlobal(schermo->geometry().center());
        fraNome->move(centro - QPoint(fraNome->width() / 2, fraNome->height() / 2));
        area->posizioni().aggiorna(fraNome);
    }
    fraNome->show();
    fraNome->raise();
    txtNome->setFocus(Qt::OtherFocusReason);
}

void FrmStampaEsercizio::confermaNome() {
    fraNome->hide();
    scelte->pulsante(stampa)->setFocus(Qt::OtherFocusReason);
    stato.NomeAlunno = nomeAmmesso(txtNome->text());
    if (contesto.registro) {
        contesto.registro->nomeDigitato(stato.NomeAlunno);
    }
}
