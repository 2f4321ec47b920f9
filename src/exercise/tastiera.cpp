// The exercise window's keyboard: what each key does on the keypad and on the panels' buttons.
#include "exercise/frmoperativo.h"
#include "exercise/tastierino.h"

#include "widgets/pulsanteopzione.h"
#include "widgets/tasti.h"

#include <QFrame>
#include <QKeyEvent>

namespace {

bool cifra(int codice, int zero) {
    return codice >= zero && codice <= zero + 9;
}

// The two buttons of a panel answer to a letter, to "1" or "2" and to 1 or 2 on the numeric pad.
int sceltaDellaCoppia(int codice, int lettera1, int lettera2) {
    if (codice == lettera1 || codice == tasti::zero + 1 || codice == tasti::zeroTastierino + 1) {
        return 0;
    }
    if (codice == lettera2 || codice == tasti::zero + 2 || codice == tasti::zeroTastierino + 2) {
        return 1;
    }
    return -1;
}
} // namespace

void FrmOperativo::collegaTastiera(PulsanteOpzione* pulsante, void (FrmOperativo::*giu)(int, int),
                                   void (FrmOperativo::*carattere)(int, int)) {
    connect(pulsante, &PulsanteOpzione::tastoGiu, this, giu);
    connect(pulsante, &PulsanteOpzione::carattere, this, carattere);
    connect(pulsante, &PulsanteOpzione::tastoSu, this, &FrmOperativo::tastoRilasciato);
}

// One hold for the whole window: a key pressed on one panel is often released on another (Enter
// on "Verifica" brings the help panel), and its repeats must not act on the buttons that took the
// focus meanwhile, nor may a flag left set swallow the pupil's next key.
void FrmOperativo::tastoRilasciato() {
    tenuti = {};
}

// A panel that takes the place of the focused button leaves no button with the focus: the key
// is then let go on the window itself, and that ends the hold too.
void FrmOperativo::keyReleaseEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat()) {
        tastoRilasciato();
    }
    FinestraVeltrix::keyReleaseEvent(e);
}

void FrmOperativo::tastoGiuTastierino(int indice, int codice) {
    if (tenuti.giu) {
        return;
    }
    if (cifra(codice, tasti::zero)) {
        PremiTasto(codice - tasti::zero);
    } else if (cifra(codice, tasti::zeroTastierino)) {
        PremiTasto(codice - tasti::zeroTastierino);
    } else if (codice == 'C' || codice == tasti::cancella) {
        PremiTasto(tastierino::cancella);
    } else if (codice == 'V' || codice == 'A' || codice == 'E') {
        const int destinazione = codice == 'V'   ? tastierino::verifica
                                 : codice == 'A' ? tastierino::avanti
                                                 : tastierino::esco;
        fuoco(Option2[destinazione]); // only when its button is on
    } else if (codice == tasti::invio) {
        PremiTasto(indice);
    } else if (!tasti::perIlToolkit(codice)) {
        return; // any other key is discarded
    }
    tenuti.giu = true;
}

// Space moves the focus to the next button that can take it, after "Esco" back to "0".
void FrmOperativo::carattereTastierino(int indice, int codice) {
    if (tenuti.carattere || codice != tasti::spazio) {
        return;
    }
    for (int passo = 1; passo <= tastierino::numeroTasti; ++passo) {
        const int prossimo = (indice + passo) % tastierino::numeroTasti;
        if (Option2[prossimo]->isEnabled()) {
            fuoco(Option2[prossimo]);
            break;
        }
    }
    tenuti.carattere = true;
}

bool FrmOperativo::fuocoNellaCoppia(const std::array<PulsanteOpzione*, 2>& coppia, int codice,
                                    int tasto1, int tasto2) {
    const int scelta = sceltaDellaCoppia(codice, tasto1, tasto2);
    if (scelta < 0) {
        return false;
    }
    fuoco(coppia[scelta]);
    return true;
}

// The help and warning panels: two buttons each, a letter or "1"/"2" for each, Enter for the
// focused one's choice, Space to the other one.
void FrmOperativo::tastoGiuCoppia(const std::array<PulsanteOpzione*, 2>& coppia, int indice,
                                  int codice, int lettera1, int lettera2,
                                  void (FrmOperativo::*scelta)(int)) {
    if (tenuti.giu) {
        return;
    }
    if (codice == tasti::invio) {
        (this->*scelta)(indice);
    } else if (!fuocoNellaCoppia(coppia, codice, lettera1, lettera2)) {
        return;
    }
    tenuti.giu = true;
}

void FrmOperativo::carattereCoppia(const std::array<PulsanteOpzione*, 2>& coppia, int indice,
                                   int codice) {
    if (tenuti.carattere || codice != tasti::spazio) {
        return;
    }
    fuoco(coppia[(indice + 1) % 2]);
    tenuti.carattere = true;
}

void FrmOperativo::tastoGiuAiuto(int indice, int codice) {
    tastoGiuCoppia(Option3, indice, codice, 'S', 'N', &FrmOperativo::sceltaAiuto);
}

void FrmOperativo::carattereAiuto(int indice, int codice) {
    carattereCoppia(Option3, indice, codice);
}

void FrmOperativo::tastoGiuAvviso(int indice, int codice) {
    tastoGiuCoppia(optAvviso, indice, codice, 'S', 'R', &FrmOperativo::sceltaAvviso);
}

void FrmOperativo::carattereAvviso(int indice, int codice) {
    carattereCoppia(optAvviso, indice, codice);
}

// "OK" cannot be refused: Space selects it, and Enter presses it like any focused button.
void FrmOperativo::tastoGiuOK(int, int codice) {
    if (tenuti.giu || codice != tasti::invio) {
        return;
    }
    tenuti.giu = true;
    SiSi();
}

void FrmOperativo::carattereOK(int, int codice) {
    if (tenuti.carattere || codice != tasti::spazio) {
        return;
    }
    tenuti.carattere = true;
    SiSi();
}
