// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/gruppotasti.h"

#include "widgets/pulsanteopzione.h"
#include "widgets/tasti.h"
#include "widgets/tastipremuti.h"

#include <algorithm>

namespace {
// "1" to "9": a row of more buttons has no digit for the tenth.
constexpr int cifrePerPostoMassime = 9;

// A row's digits: "1", "2", ... on the main keys and on the numeric pad.
void aggiungiCifre(std::vector<TastoDellaFila>& tasti, int numero) {
    for (int posto = 0; posto < std::min(numero, cifrePerPostoMassime); ++posto) {
        tasti.push_back({tasti::zero + 1 + posto, Effetto::fuoco, posto});
        tasti.push_back({tasti::zeroTastierino + 1 + posto, Effetto::fuoco, posto});
    }
}
} // namespace

GruppoTasti::GruppoTasti(std::vector<PulsanteOpzione*> pulsanti, Scelta scelta, QObject* parent,
                         RegoleTasti regole)
    : QObject(parent), pulsanti(std::move(pulsanti)), scelta(std::move(scelta)),
      regole(std::move(regole)) {
    const int numero = static_cast<int>(this->pulsanti.size());
    if (this->regole.cifrePerPosto) {
        aggiungiCifre(this->regole.tasti, numero);
    }
    // Positions in the row, whatever index each button has in its window's control array.
    for (int posto = 0; posto < numero && this->regole.tastiera; ++posto) {
        PulsanteOpzione* p = this->pulsanti[static_cast<size_t>(posto)];
        connect(p, &PulsanteOpzione::tastoGiu, this,
                [this, posto](int, int codice) { tastoGiu(posto, codice); });
        connect(p, &PulsanteOpzione::carattere, this,
                [this, posto](int, int codice) { carattere(posto, codice); });
    }
    // A key is often let go elsewhere than where it was pressed: on no button (a choice that
    // hides the focused button leaves the focus nowhere), or in another window (Enter on a
    // button that opens one). The program's key tracker sees every release, wherever it goes.
    connect(TastiPremuti::perApplicazione(), &TastiPremuti::rilasciato, this,
            &GruppoTasti::rilascia);
}

void GruppoTasti::rilascia() {
    *tenuta = {};
}

void GruppoTasti::condividiTenuta(const GruppoTasti& altro) {
    tenuta = altro.tenuta;
}

bool GruppoTasti::daiFuoco(int posto) {
    PulsanteOpzione* p = pulsanti[static_cast<size_t>(posto)];
    if (!p->isVisible() || !p->isEnabled()) {
        return false;
    }
    p->setFocus(Qt::OtherFocusReason);
    return true;
}

void GruppoTasti::tastoGiu(int posto, int codice) {
    if (tenuta->giu) {
        return;
    }
    if (codice == tasti::invio) {
        tenuta->giu = true; // before the choice: it may close the window and this group with it
        scelta(posto);
        return;
    }
    const auto tasto =
        std::find_if(regole.tasti.begin(), regole.tasti.end(),
                     [codice](const TastoDellaFila& t) { return t.codice == codice; });
    if (tasto != regole.tasti.end()) {
        tenuta->giu = true;
        agisci(*tasto);
    } else if (regole.frecceTengono && tasti::perIlToolkit(codice)) {
        tenuta->giu = true;
    }
}

// A key presses only what a click could press: a button that is off ignores its key as well.
void GruppoTasti::agisci(TastoDellaFila tasto) {
    if (tasto.effetto == Effetto::fuoco) {
        daiFuoco(tasto.posto);
    } else if (pulsanti[static_cast<size_t>(tasto.posto)]->isEnabled()) {
        scelta(tasto.posto);
    }
}

void GruppoTasti::carattere(int posto, int codice) {
    if (tenuta->carattere) {
        return;
    }
    if (codice != tasti::spazio) {
        tenuta->carattere = regole.ogniCarattereTiene;
        return;
    }
    tenuta->carattere = true;
    if (regole.spazio == Spazio::preme) {
        scelta(posto);
    } else {
        avanza(posto);
    }
}

// Space goes round the buttons that can take the focus, after the last back to the first.
void GruppoTasti::avanza(int posto) {
    const int numero = static_cast<int>(pulsanti.size());
    for (int passo = 1; passo < numero; ++passo) {
        if (daiFuoco((posto + passo) % numero)) {
            break;
        }
    }
}
