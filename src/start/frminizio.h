// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "start/tendine.h"
#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

#include <QElapsedTimer>
#include <QPointer>

#include <array>

class AreaProporzionale;
class PannelloScelte;
class PulsanteOpzione;
class QAction;
class QGroupBox;
class QLabel;
class QTimer;
class Etichetta;
class FinestraSceltaAlunno;

// The start window: the pupil picks an objective, then a level, then "Avanti" or "Esci".
class frmInizio : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit frmInizio(Contesto& contesto);

    qint16 gruppoObiettivi() const { return GruppoObiettivi; }

    void preparaTendine();
    void tickTendine();
    // The curtain as it stands `trascorsi` ms after it started opening.
    void avanzaTendine(double trascorsi);
    void leggiLivelli();
    void scriviLivelli();

protected:
    void alloScaricamento() override;

private:
    void creaTitolo();
    void creaRiepilogo();
    void creaObiettivi();
    void creaLivelli();
    void creaOperativita();
    void creaTendine();
    void creaMenu();
    QLabel* creaStriscia(QWidget* cornice, const QString& nome, double sinistra, double alto,
                         double larghezza, double altezza);

    void sceltaObiettivo(int i);
    void sceltaLivello(int i);
    void sceltaOperativita(int i);
    // Where the register has a class and the pupil has not said who they are in this run, the
    // window that asks; true when it is on screen and the series waits for its answer.
    bool chiediAlunno();
    void apriEsercizi();
    void cambiaObiettivi();
    // Shows the two summary lines and keeps the objective's for the exercise window.
    void mostraDidascalie(const QString& obiettivo, const QString& livello);
    void mostraGruppo(qint16 k);
    void azzeraObiettivi();
    void azzeraLivelli();
    void chiudiFinestre();
    void attendiEsercizi(QWidget* esercizi);
    void inAttesa(bool si);
    void disponiTendine();

    Contesto& contesto;
    StatoCondiviso& stato;
    qint16 GruppoObiettivi = 0;
    // The operation code the settings file keeps, whatever this run uses.
    qint16 OperazioneDelFile = 1;
    Tendine tendine;
    QElapsedTimer inizioTendine;

    AreaProporzionale* area = nullptr;
    QLabel* lblNomeOperazione = nullptr;
    QLabel* lblVersione = nullptr;
    QLabel* lblObiettivo = nullptr;
    QLabel* lblLivello = nullptr;
    Etichetta* lblCambiaOb = nullptr;
    QGroupBox* fraObiettivi = nullptr;
    QGroupBox* fraLivelli = nullptr;
    QGroupBox* fraOperativita = nullptr;
    PannelloScelte* filaObiettivi = nullptr;
    std::array<PulsanteOpzione*, 6> optObiettivo{};
    std::array<QLabel*, 6> strisceObiettivi{};
    PannelloScelte* filaLivelli = nullptr;
    std::array<PulsanteOpzione*, 4> optLivello{};
    std::array<QLabel*, 4> strisceLivelli{};
    std::array<PulsanteOpzione*, 2> optOperativita{};
    QWidget* siparioDestro = nullptr;
    QWidget* siparioSinistro = nullptr;
    QTimer* TimerTendine = nullptr;
    QAction* mnuSchede = nullptr;
    QAction* mnuRegistro = nullptr;
    QAction* mnuValutazione = nullptr;
    QAction* mnuEsempi = nullptr;
    QPointer<FinestraSceltaAlunno> sceltaAlunno;
};
