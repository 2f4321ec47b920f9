// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/codici.h"
#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

#include <array>

class AreaProporzionale;
class PannelloScelte;
class PulsanteComando;
class QGroupBox;
class QLabel;
class QPushButton;

// The teacher's worksheets: an objective and a level make a random sheet of 60 lines, shown for
// the pupils (one element of each line hidden) or for the teacher (with the answers), and printed.
class FrmStampaSchede : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmStampaSchede(Contesto& contesto);

    void sceltaObiettivo(int indice);
    void sceltaLivello(int indice);
    void mostraSchedaAlunni();
    void mostraSchedaDocenti();
    void stampa(Destinatari destinatari);
    void cancellaScheda();

private:
    void creaRighe();
    void creaObiettivi();
    void creaLivelli();
    void creaSchede();
    void creaComandi();
    PulsanteComando* creaComando(QWidget* genitore, const char* nome, const QString& testo);

    void generaScheda();
    void mostra(const RigheDa1a90& righe);
    void svuotaRighe();
    int righeVuote(const RigheDa1a90& righe) const;
    QString motivoRigheVuote() const;
    void riscriviTitolo();

    Contesto& contesto;
    StatoCondiviso& stato;
    QString TestoObiettivo;
    QString TestoLivello;

    AreaProporzionale* area = nullptr;
    QLabel* lblTitolo = nullptr;
    std::array<QLabel*, 61> LblOp{};   // 1 to 60, as the sheet's lines
    QLabel* lblAvvisoScheda = nullptr; // why lines of the sheet are missing
    QGroupBox* fraUno = nullptr;
    PannelloScelte* obiettivi = nullptr;
    QGroupBox* fraLivelli = nullptr;
    PannelloScelte* livelli = nullptr;
    QGroupBox* fraAlunni = nullptr;
    PulsanteComando* CmdSchedaAlunni = nullptr;
    PulsanteComando* CmdStampaAlunni = nullptr;
    QGroupBox* fraDocenti = nullptr;
    PulsanteComando* CmdSchedaDocenti = nullptr;
    PulsanteComando* CmdStampaDocenti = nullptr;
    PulsanteComando* CmdRicomincia = nullptr;
    PulsanteComando* cmdEsci = nullptr;
};
