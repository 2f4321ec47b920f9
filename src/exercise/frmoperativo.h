#pragma once

#include "exercise/pannelli.h"
#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

#include <array>

class Annuncio;
class AreaProporzionale;
class Linea;
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
    void MostraCroce();
    void NascondiCroci();
    void PosizionaCroci();

    // The keypad and the panels over it.
    void PremiTasto(int indice);
    void SiSi();
    void NoNo();
    void ControllaAvviso();
    void sceltaAvviso(int indice);
    void sceltaAiuto(int indice);

    void creaTitoli();
    void creaRiga();
    void creaCroci();
    void creaStatistiche();
    void creaPannelli();
    void creaMenu();
    void nominaControlli();

    void GeneraOperazione();
    void mostraNonDisponibile();
    // The label of the missing element, null when none is missing.
    QLabel* etichettaRisposta() const;
    int indiceMancante() const;
    void mostraRisposta();
    void scriviNumero(QLabel* numero, const QString& testo);
    void annunciaOperazione();
    void cliccaSfondo();

    Contesto& contesto;
    StatoCondiviso& stato;

    AreaProporzionale* area = nullptr;
    std::array<QLabel*, 3> Label1{};
    QFrame* frmNumero = nullptr;
    QLabel* LblNumero1 = nullptr;
    QLabel* LblSegno = nullptr;
    QLabel* LblNumero2 = nullptr;
    QLabel* lblSegno1 = nullptr;
    QLabel* lblNumero3 = nullptr;
    QLabel* LblUguale = nullptr;
    QLabel* lblRisultato1 = nullptr;
    // The four number labels in the order of the row, as the crosses and the captions use them.
    std::array<QLabel*, 4> numeri{};
    QLabel* lblCorrezione = nullptr;
    QLabel* lblNonDisponibile = nullptr;
    std::array<Linea*, 4> Line1{};
    std::array<Linea*, 4> Line2{};
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
