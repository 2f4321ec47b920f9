#pragma once

#include "widgets/contesto.h"
#include "widgets/finestraveltrix.h"

#include <array>

class Annuncio;
class AreaProporzionale;
class Linea;
class PulsanteOpzione;
class QAction;
class QFrame;
class QLabel;
class QTimer;

// The exercise window: one operation after another, each judged, counted, timed and recorded.
class FrmOperativo : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmOperativo(Contesto& contesto);

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
    void PreparaTastierino();
    void BloccaRisposta();
    void PosizionaPannelli();
    void DisattivaPannelli();
    void SiSi();
    void NoNo();
    void ControllaAvviso();

protected:
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void creaTitoli();
    void creaRiga();
    void creaCroci();
    void creaStatistiche();
    void creaTastierino();
    void creaAiuto();
    void creaAvviso();
    void creaIntervento();
    void creaMenu();
    void nominaControlli();
    QFrame* creaPannello(const char* nome, double sinistra, double alto);

    void GeneraOperazione();
    void mostraNonDisponibile();
    void attivaPannello(QFrame* pannello);
    void sceltaAvviso(int indice);
    void sceltaAiuto(int indice);
    bool fuoco(QWidget* controllo);
    // The label of the missing element, null when none is missing.
    QLabel* etichettaRisposta() const;
    int indiceMancante() const;
    void mostraRisposta();
    void scriviNumero(QLabel* numero, const QString& testo);
    void annunciaOperazione();
    void cliccaSfondo();

    // The keyboard on the button groups. A key held down acts once: its first key down (and its
    // first character) sets a flag, and further ones are ignored until a key is let go.
    struct TastiTenuti {
        bool giu = false;
        bool carattere = false;
    };
    void collegaTastiera(PulsanteOpzione* pulsante, void (FrmOperativo::*giu)(int, int),
                         void (FrmOperativo::*carattere)(int, int));
    void tastoGiuTastierino(int indice, int codice);
    void carattereTastierino(int indice, int codice);
    void tastoGiuAiuto(int indice, int codice);
    void carattereAiuto(int indice, int codice);
    void tastoGiuAvviso(int indice, int codice);
    void carattereAvviso(int indice, int codice);
    void tastoGiuOK(int indice, int codice);
    void carattereOK(int indice, int codice);
    void tastoRilasciato();
    void tastoGiuCoppia(const std::array<PulsanteOpzione*, 2>& coppia, int indice, int codice,
                        int lettera1, int lettera2, void (FrmOperativo::*scelta)(int));
    void carattereCoppia(const std::array<PulsanteOpzione*, 2>& coppia, int indice, int codice);
    bool fuocoNellaCoppia(const std::array<PulsanteOpzione*, 2>& coppia, int codice, int tasto1,
                          int tasto2);

    TastiTenuti tenuti;

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
    QTimer* Timer1 = nullptr;
    QFrame* fraTastierino = nullptr;
    std::array<PulsanteOpzione*, 14> Option2{};
    QFrame* fraAiuto = nullptr;
    std::array<PulsanteOpzione*, 2> Option3{};
    QFrame* fraAvviso = nullptr;
    std::array<PulsanteOpzione*, 2> optAvviso{};
    QFrame* fraIntervento = nullptr;
    PulsanteOpzione* optOK = nullptr;
    QLabel* lblRiferimento = nullptr;
    Annuncio* annuncio = nullptr;
    QAction* mnuVisualizza = nullptr;
};
