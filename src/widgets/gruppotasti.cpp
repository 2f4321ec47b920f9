#include "widgets/gruppotasti.h"

#include "widgets/pulsanteopzione.h"
#include "widgets/tasti.h"

#include <QKeyEvent>

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
    if (parent) {
        parent->installEventFilter(this);
    }
}

bool GruppoTasti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(evento)->isAutoRepeat()) {
        rilascia();
    }
    return QObject::eventFilter(oggetto, evento);
}

void GruppoTasti::rilascia() {
    giuTenuto = false;
    carattereTenuto = false;
}

// A disabled or hidden button cannot take the focus: the key then does nothing more.
bool GruppoTasti::fuoco(int posto) {
    PulsanteOpzione* p = pulsanti[static_cast<size_t>(posto)];
    if (!p->isVisible() || !p->isEnabled()) {
        return false;
    }
    p->setFocus(Qt::OtherFocusReason);
    return true;
}

void GruppoTasti::tastoGiu(int posto, int codice) {
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
        scelta(posto);
        return;
    } else if (!tasti::perIlToolkit(codice)) {
        return;
    }
    giuTenuto = true;
}

// Space goes round the buttons that can take the focus, after the last back to the first.
void GruppoTasti::carattere(int posto, int codice) {
    if (carattereTenuto) {
        return;
    }
    carattereTenuto = true;
    if (codice != tasti::spazio) {
        return;
    }
    const int numero = static_cast<int>(pulsanti.size());
    for (int passo = 1; passo < numero; ++passo) {
        if (fuoco((posto + passo) % numero)) {
            break;
        }
    }
}
