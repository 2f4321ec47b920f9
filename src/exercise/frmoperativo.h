// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/pannelli.h"
#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

#include <array>

class Annuncio;
class AreaProporzionale;
class QuadroOperazione;
class QAction;
class QFrame;
class QLabel;

// The exercise window: one operation after another, each judged, counted, timed and recorded.
class FrmOperativo : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmOperativo(Contesto& contesto);

private:
    // The life of a series.
    void NuovaSerie();
    void NuovoEsercizio();
    void ProssimaOperazione();
    void VerificaRisposta();
    void AggiornaTempi();

    // The keypad and the panels over it.
    void PremiTasto(int indice);
    void SiSi();
    void NoNo();
    // The warning panel, its text after the reason given; returns the text, and an empty one
    // when the series is too short for it.
    QString ControllaAvviso();
    QString mostraAvviso(const QString& perche);
    void sceltaAvviso(int indice);
    void esci();
    void sceltaUscita(int indice);
    void sceltaAiuto(int indice);

    void creaTitoli();
    void creaStatistiche();
    void creaPannelli();
    void creaMenu();
    void nominaControlli();

    void GeneraOperazione();
    void mostraNonDisponibile();
    // The place of the missing number in the row, -1 when none is missing.
    int indiceMancante() const;
    void mostraRisposta();
    void scriviNumero(int k, const QString& testo);
    void annunciaOperazione();
    void cliccaSfondo();

    Contesto& contesto;
    StatoCondiviso& stato;
    // The sign of the operation on screen, as the class register keeps it.
    QString segnoOperazione;

    AreaProporzionale* area = nullptr;
    std::array<QLabel*, 3> lblIntestazione{};
    QuadroOperazione* frmNumero = nullptr;
    QLabel* LblEsito = nullptr;
    QFrame* fraElaborazione = nullptr;
    QLabel* LblOperazione = nullptr;
    QLabel* lblRisEsatte = nullptr;
    QLabel* lblRisErrate = nullptr;
    QLabel* LblTempoParziale = nullptr;
    QLabel* LblTempoTotale = nullptr;
    Pannelli pannelli;
    Annuncio* annuncio = nullptr;
    QAction* mnuVisualizza = nullptr;
};
