#include "layout/gruppotasti.h"

#include "layout/pulsanteopzione.h"
#include "layout/tasti.h"

GruppoTasti::GruppoTasti(std::vector<PulsanteOpzione*> pulsanti, Scelta scelta, QObject* parent)
    : QObject(parent), pulsanti(std::move(pulsanti)), scelta(std::move(scelta)) {
    // Positions in the row, whatever index each button has in its window's control array.
    for (int posto = 0; posto < static_cast<int>(this->pulsanti.size()); ++posto) {
        PulsanteOpzione* p = this->pulsanti[static_cast<size_t>(posto)];
        connect(p, &PulsanteOpzione::tastoGiu, this,
                [this, posto](int, int codice) { tastoGiu(posto, codice); });
        connect(p, &PulsanteOpzione::carattere, this,
                [this, posto](int, int codice) { carattere(posto, codice); });
        connect(p, &PulsanteOpzione::tastoSu, this, &GruppoTasti::rilascia);
    }
}

void GruppoTasti::rilascia() {
    giuTenuto = false;
    carattereTenuto = false;
}

// A disabled or hidden button cannot take the focus: the key then does nothing more.
void GruppoTasti::fuoco(int indice) {
    PulsanteOpzione* p = pulsanti[static_cast<size_t>(indice)];
    if (p->isVisible() && p->isEnabled()) {
        p->setFocus(Qt::OtherFocusReason);
    }
}

void GruppoTasti::tastoGiu(int indice, int codice) {
    if (giuTenuto) {
        return;
    }
    const int numero = static_cast<int>(pulsanti.size());
    if (codice > tasti::zero && codice <= tasti::zero + numero) {
        fuoco(codice - tasti::zero - 1);
    } else if (codice > tasti::zeroTastierino && codice <= tasti::zeroTastierino + numero) {
        fuoco(codice - tasti::zeroTastierino - 1);
    } else if (codice == tasti::invio) {
        giuTenuto = true; // before the choice: it may close the window and this group with it
        scelta(indice);
        return;
    } else if (!tasti::perIlToolkit(codice)) {
        return;
    }
    giuTenuto = true;
}

// Space goes round the buttons that can take the focus, after the last back to the first.
void GruppoTasti::carattere(int indice, int codice) {
    if (carattereTenuto) {
        return;
    }
    carattereTenuto = true;
    if (codice != tasti::spazio) {
        return;
    }
    const int numero = static_cast<int>(pulsanti.size());
    for (int passo = 1; passo < numero; ++passo) {
        PulsanteOpzione* p = pulsanti[static_cast<size_t>((indice + passo) % numero)];
        if (p->isVisible() && p->isEnabled()) {
            p->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
