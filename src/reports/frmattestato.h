#pragma once

#include "state/contesto.h"
#include "state/finestraveltrix.h"

#include <array>

class AreaProporzionale;
class FiguraAttestato;
class PulsanteOpzione;
class QFrame;
class QLabel;
class QTimer;

// The certificate: the series graded, the diploma drawn line by line, then printed, left, or the
// session ended. Everything is worked out once, when the window is loaded.
class FrmAttestato : public FinestraVeltrix {
    Q_OBJECT
public:
    explicit FrmAttestato(Contesto& contesto);

    void ControllaOperazioni();
    void CorreggiNome();
    void CalcolaValutazione();
    void StampaAttestato();

protected:
    void showEvent(QShowEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void creaImmagine();
    void creaMessaggio();
    void creaScelte();

    void preparaDisegno();
    void disegnaRiga();
    void scelta(int indice);
    bool fuoco(QWidget* controllo);

    // A key held down acts once: its first key down and its first character set a flag, and
    // further ones are ignored until a key is let go.
    struct TastiTenuti {
        bool giu = false;
        bool carattere = false;
    };
    void tastoGiu(int indice, int codice);
    void carattere(int indice, int codice);
    void tastoRilasciato();

    TastiTenuti tenuti;

    Contesto& contesto;
    StatoCondiviso& stato;

    AreaProporzionale* area = nullptr;
    FiguraAttestato* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Frame4 = nullptr;
    std::array<PulsanteOpzione*, 3> Option5{};
    QTimer* tmrDisegno = nullptr;
    QString TestoAttestato;
};
