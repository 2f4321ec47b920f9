// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/frmstampaschede.h"

#include "platform/casuale.h"
#include "platform/messaggi.h"
#include "practice/righescheda.h"
#include "printouts/stampascheda.h"
#include "rules/scelte.h"
#include "state/codici.h"
#include "widgets/accessibile.h"
#include "widgets/areaproporzionale.h"
#include "widgets/pannelloscelte.h"
#include "widgets/pulsantecomando.h"
#include "widgets/pulsanteopzione.h"

#include <QGroupBox>
#include <QLabel>

namespace {

QString titoloPerOperazione(qint16 codice) {
    // In the order of the codes.
    static const char* const titoli[] = {
        "ADDIZIONI",
        "SOTTRAZIONI",
        "ADDIZIONI - SOTTRAZIONI",
        "MOLTIPLICAZIONI",
        "DIVISIONI",
        "MOLTIPLICAZIONI - DIVISIONI",
        "ADDIZIONI - SOTTRAZIONI - MOLTIPLICAZIONI - DIVISIONI",
    };
    const auto scheda = daCodice<CodiceScheda>(codice);
    return scheda ? QLatin1String(titoli[postoDi(*scheda)]) : QStringLiteral("STAMPA SCHEDE");
}

} // namespace

FrmStampaSchede::FrmStampaSchede(Contesto& contesto) : contesto(contesto), stato(contesto.stato) {
    setObjectName(QStringLiteral("FrmStampaSchede"));
    area = new AreaProporzionale(11910, 8520, this);
    area->setObjectName(QStringLiteral("area"));
    setCentralWidget(area);
    creaRighe();
    creaObiettivi();
    creaLivelli();
    creaSchede();
    creaComandi();
    area->registraPosizioni();
    impostaSignificati(this, {{"area", "Schede"}, {"Label1", "Titolo della scheda"}});
    for (int k = 1; k <= righePerScheda; ++k) {
        impostaSignificato(LblOp[static_cast<size_t>(k)], QStringLiteral("Riga %1").arg(k));
    }
    resize(area->size());
    // Sixty lines in a small fixed-pitch face read best with all the room the screen has.
    massimizza();

    setWindowTitle(titoloPerOperazione(stato.Operazione));
    lblTitolo->setText(stato.ObiettivoScheda);
    stato.RigheScheda = righePerScheda;
    stato.TipoStampa = 0;
    generaScheda();
}

void FrmStampaSchede::generaScheda() {
    for (stato.IndiceRiga = 1; stato.IndiceRiga <= stato.RigheScheda; ++stato.IndiceRiga) {
        GeneraRiga(stato, contesto.servizi.casuale, contesto.servizi.orologio);
    }
}

void FrmStampaSchede::riscriviTitolo() {
    lblTitolo->setText(TestoObiettivo + TestoLivello);
}

// The lines on screen are the ones the print buttons print. A sheet with lines missing says so
// before anybody prints it.
void FrmStampaSchede::mostra(const RigheDa1a90& righe) {
    for (int k = 1; k <= righePerScheda; ++k) {
        const QString& riga = righe[static_cast<size_t>(k)];
        LblOp[static_cast<size_t>(k)]->setText(riga);
        stato.RigheSchedaMostrata[static_cast<size_t>(k)] = riga;
    }
    stato.RigheAlunniMostrate = stato.RigheAlunni;
    const int vuote = righeVuote(stato.RigheSchedaMostrata);
    lblAvvisoScheda->setText(
        vuote == 0 ? QString()
        : vuote == righePerScheda
            ? QStringLiteral("Nessuna riga: ") + motivoRigheVuote()
            : QStringLiteral("Mancano %1 righe su %2: ").arg(vuote).arg(righePerScheda) +
                  motivoRigheVuote());
}

int FrmStampaSchede::righeVuote(const RigheDa1a90& righe) const {
    int vuote = 0;
    for (int k = 1; k <= righePerScheda; ++k) {
        vuote += righe[static_cast<size_t>(k)].isEmpty() ? 1 : 0;
    }
    return vuote;
}

QString FrmStampaSchede::motivoRigheVuote() const {
    return motivoRigheMancanti(stato.Operazione, stato.TipoMin, stato.TipoMax) + QLatin1Char('.');
}

void FrmStampaSchede::sceltaObiettivo(int indice) {
    if (indice < 1 || indice > numeroObiettiviScheda) {
        return;
    }
    for (int k = 1; k <= righePerScheda; ++k) {
        stato.RigheAlunni[static_cast<size_t>(k)].clear();
        stato.RigheDocenti[static_cast<size_t>(k)].clear();
    }
    svuotaRighe();
    TestoObiettivo = scegliObiettivoScheda(stato, indice - 1);
    riscriviTitolo();
    fraLivelli->setEnabled(true);
    obiettivi->pulsante(0)->setFocus(Qt::OtherFocusReason);
}

// The levels are the start window's: the same bounds and the same description.
void FrmStampaSchede::sceltaLivello(int indice) {
    if (indice < 0 || indice >= numeroLivelli) {
        return;
    }
    scegliLivello(stato, indice);
    fraAlunni->setEnabled(true);
    TestoLivello =
        QStringLiteral("  - Livello:  %1  ").arg(stato.Livello) + stato.DescrizioneLivello;
    riscriviTitolo();
    generaScheda();
}

// Every pupils' sheet is a new one; the teachers' sheet is its answers.
void FrmStampaSchede::mostraSchedaAlunni() {
    svuotaRighe();
    fraDocenti->setEnabled(true);
    CmdSchedaDocenti->setFocus(Qt::OtherFocusReason);
    generaScheda();
    mostra(stato.RigheAlunni);
}

void FrmStampaSchede::mostraSchedaDocenti() {
    svuotaRighe();
    mostra(stato.RigheDocenti);
}

// An empty sheet is not worth a page: the button says why there is nothing to print.
void FrmStampaSchede::stampa(Destinatari destinatari) {
    const RigheDa1a90& righe =
        destinatari == Destinatari::Alunni ? stato.RigheAlunniMostrate : stato.RigheSchedaMostrata;
    if (righeVuote(righe) == righePerScheda) {
        contesto.servizi.messaggi.mostra(QStringLiteral("Nessuna riga da stampare: ") +
                                         motivoRigheVuote());
        return;
    }
    stato.TipoStampa = numeroDi(destinatari);
    StampaScheda(stato, contesto.servizi.stampante, contesto.servizi.messaggi);
}

void FrmStampaSchede::cancellaScheda() {
    CmdStampaAlunni->hide();
    CmdStampaDocenti->hide();
    svuotaRighe();
}

void FrmStampaSchede::svuotaRighe() {
    for (int k = 1; k <= righePerScheda; ++k) {
        LblOp[static_cast<size_t>(k)]->clear();
    }
    lblAvvisoScheda->clear();
}
